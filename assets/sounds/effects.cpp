// The two sound effects: a bright coin chime for money received (Gold.wav)
// and a short rising arpeggio for a point that goes up (Up.wav).

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include "generator/registry.h"

namespace koratsu::assets {

namespace {

constexpr int kRate = 22050;

struct Note {
  double frequency;
  double start;     // seconds
  double duration;  // seconds
  double volume;
};

std::vector<qint16> Render(const std::vector<Note>& notes, double length) {
  std::vector<double> mix(static_cast<size_t>(length * kRate), 0.0);
  for (const Note& n : notes) {
    size_t first = static_cast<size_t>(n.start * kRate);
    size_t count = static_cast<size_t>(n.duration * kRate);
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
      double t = static_cast<double>(i) / kRate;
      double attack = std::min(1.0, t / 0.004);
      double decay = std::exp(-t * 9.0 / n.duration);
      // A bell-like tone: the fundamental with a little of the second and third partials.
      double wave = std::sin(2 * M_PI * n.frequency * t) + 0.35 * std::sin(4 * M_PI * n.frequency * t) +
                    0.12 * std::sin(6 * M_PI * n.frequency * t);
      mix[first + i] += n.volume * attack * decay * wave;
    }
  }
  std::vector<qint16> samples(mix.size());
  for (size_t i = 0; i < mix.size(); ++i) {
    double s = std::clamp(mix[i], -1.0, 1.0);
    samples[i] = static_cast<qint16>(s * 30000);
  }
  return samples;
}

bool WriteWav(const QString& path, const std::vector<qint16>& samples) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  auto put32 = [&](quint32 v) { v = qToLittleEndian(v); file.write(reinterpret_cast<const char*>(&v), 4); };
  auto put16 = [&](quint16 v) { v = qToLittleEndian(v); file.write(reinterpret_cast<const char*>(&v), 2); };
  quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
  file.write("RIFF", 4);
  put32(36 + dataBytes);
  file.write("WAVEfmt ", 8);
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  file.write("data", 4);
  put32(dataBytes);
  for (qint16 s : samples) put16(static_cast<quint16>(s));
  return file.error() == QFile::NoError;
}

const bool gold = RegisterAsset("Sound/Gold.wav", [](const QString& path) {
  return WriteWav(path, Render({{1318.5, 0.00, 0.18, 0.45}, {1975.5, 0.07, 0.45, 0.45}}, 0.55));
});

const bool up = RegisterAsset("Sound/Up.wav", [](const QString& path) {
  return WriteWav(path, Render({{784.0, 0.00, 0.10, 0.35}, {987.8, 0.05, 0.10, 0.35}, {1174.7, 0.10, 0.18, 0.4}}, 0.3));
});

}  // namespace

}  // namespace koratsu::assets
