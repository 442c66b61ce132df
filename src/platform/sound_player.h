#pragma once
// The two sound effects, played without waiting.

#include <array>
#include <memory>

class QSoundEffect;

namespace koratsu::platform {

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Plays Sound/Gold.wav (0) or Sound/Up.wav (1) and returns at once; a new
  // sound cuts the one playing. Any other kind, the setting "鳴らさない"
  // (Koukaon 2) or a computer without an audio device plays nothing.
  void Play(int kind);

  // False when no audio device is there to play on.
  static bool AudioAvailable();

 private:
  // One effect per file, loaded at its first play. The player must end
  // before the application object does.
  std::array<std::unique_ptr<QSoundEffect>, 2> effects_;
};

}  // namespace koratsu::platform
