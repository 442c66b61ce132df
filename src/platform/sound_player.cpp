#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/pictures.h"
#include "state/game_state.h"

namespace koratsu::platform {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::AudioAvailable() { return !QMediaDevices::audioOutputs().isEmpty(); }

void SoundPlayer::Play(int kind) {
  static const char* const files[] = {"Sound/Gold.wav", "Sound/Up.wav"};
  if (kind < 0 || kind > 1) return;
  if (State().Koukaon == 2) return;
  // Without a device QSoundEffect fails without a word and claims to play.
  if (!AudioAvailable()) return;
  auto& effect = effects_[static_cast<size_t>(kind)];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(ProgramFile(QString::fromLatin1(files[kind]))));
  }
  for (auto& other : effects_)
    if (other) other->stop();
  effect->play();
}

}  // namespace koratsu::platform
