// gencues FOLDER
// Writes the program's two sound cues into FOLDER: "pinpon.wav", a bright
// two-tone chime, and "endpinpon.wav", a falling closing chime. Both are mono
// 16-bit PCM, and end in half a second of silence because Qt's sound effects
// drop the last moment of a sound.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTrailingSilence = 0.5;

struct Note {
  double frequency;  // Hz
  double start;      // seconds
  double length;     // seconds
};

std::vector<std::int16_t> render(const std::vector<Note>& notes, double length) {
  std::vector<double> mix(static_cast<std::size_t>(length * kRate), 0.0);
  for (const Note& note : notes) {
    const auto first = static_cast<std::size_t>(note.start * kRate);
    const auto count = static_cast<std::size_t>(note.length * kRate);
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double attack = std::min(1.0, t / 0.004);
      const double decay = std::exp(-t * 6.0 / note.length);
      const double phase = 2.0 * std::numbers::pi * note.frequency * t;
      // A bell-like tone: the fundamental with a quieter octave.
      mix[first + i] += attack * decay * (std::sin(phase) + 0.3 * std::sin(2.0 * phase));
    }
  }
  std::vector<std::int16_t> samples;
  samples.reserve(mix.size() + static_cast<std::size_t>(kTrailingSilence * kRate));
  for (const double value : mix) {
    samples.push_back(static_cast<std::int16_t>(std::lround(value * 0.45 * 32767.0 / 1.3)));
  }
  samples.resize(samples.size() + static_cast<std::size_t>(kTrailingSilence * kRate), 0);
  return samples;
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.put(static_cast<char>((value >> (8 * i)) & 0xFFU));
  }
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  putLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  putLittleEndian(out, 16, 4);  // format chunk size
  putLittleEndian(out, 1, 2);   // PCM
  putLittleEndian(out, 1, 2);   // mono
  putLittleEndian(out, kRate, 4);
  putLittleEndian(out, kRate * 2, 4);  // bytes per second
  putLittleEndian(out, 2, 2);          // block align
  putLittleEndian(out, 16, 2);         // bits per sample
  out.write("data", 4);
  putLittleEndian(out, dataBytes, 4);
  for (const std::int16_t sample : samples) {
    putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: gencues FOLDER\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  // E6 then C6: "pin", "pon".
  const std::vector<Note> pinpon{{1318.51, 0.0, 0.22}, {1046.50, 0.20, 0.45}};
  // G5, E5, C5, falling.
  const std::vector<Note> endPinpon{{783.99, 0.0, 0.25}, {659.26, 0.22, 0.25}, {523.25, 0.44, 0.5}};
  const bool ok = writeWave(folder + "/pinpon.wav", render(pinpon, 0.65)) &&
                  writeWave(folder + "/endpinpon.wav", render(endPinpon, 0.94));
  return ok ? 0 : 1;
}
