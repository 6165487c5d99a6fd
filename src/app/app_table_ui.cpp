#include "app/app_table_ui.h"

#include <QStringList>

#include "dialogs/confirmation_dialog.h"
#include "dialogs/new_table_dialog.h"
#include "dialogs/player_settings_dialog.h"

namespace qf {

void AppTableUi::RunNewTableDialog(TableRecord& table) {
  DialogContext context = host_.MakeDialogContext(table);
  NewTableDialog dialog(context, host_.DialogParent());
  host_.RunDialog(dialog);
}

int AppTableUi::AskConfirmation(const std::string& message,
                                const std::vector<std::string>& buttons) {
  QStringList texts;
  for (const std::string& text : buttons) texts << QString::fromLatin1(text.c_str());
  ConfirmationDialog dialog(QString::fromLatin1(message.c_str()), texts, host_.DialogParent());
  host_.RunDialog(dialog);
  return dialog.Answer();
}

void AppTableUi::OpenPlayerSettings(TableRecord& table) {
  DialogContext context = host_.MakeDialogContext(table);
  PlayerSettingsDialog dialog(context, host_.DialogParent());
  host_.RunDialog(dialog);
}

}  // namespace qf
