#include "app/sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace qf {
namespace {

constexpr const char* kSoundFiles[] = {
    "qrc:/sounds/chips.wav", "qrc:/sounds/knock.wav",  "qrc:/sounds/folds.wav",
    "qrc:/sounds/click.wav", "qrc:/sounds/splash.wav",
};

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::Preload() {
  if (loaded_) return;
  loaded_ = true;
  // Without an audio output there is nothing to load: every sound is silent.
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  for (int i = 0; i < kSoundCount; ++i) {
    effects_[i] = new QSoundEffect(this);
    effects_[i]->setSource(QUrl(kSoundFiles[i]));
  }
}

void SoundPlayer::Play(GameSound sound) {
  const int index = static_cast<int>(sound);
  if (index < 0 || index >= kSoundCount) return;
  Preload();
  if (effects_[index] == nullptr) return;
  if (playing_ != nullptr) playing_->stop();
  playing_ = effects_[index];
  playing_->play();
}

}  // namespace qf
