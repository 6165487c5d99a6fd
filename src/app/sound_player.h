// The game's five sound effects, each loaded once; a new sound cuts short the
// one still playing. Without an audio device every sound is silent.
#pragma once

#include <QObject>
#include <array>

#include "flow/table_ui.h"

class QSoundEffect;

namespace qf {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  explicit SoundPlayer(QObject* parent = nullptr);

  // Loads the five effects (done by the first Play otherwise).
  void Preload();
  // Plays a sound now; the caller has already checked the table's sound switch.
  void Play(GameSound sound);

 private:
  static constexpr int kSoundCount = 5;
  std::array<QSoundEffect*, kSoundCount> effects_{};
  QSoundEffect* playing_ = nullptr;
  bool loaded_ = false;
};

}  // namespace qf
