// Any bytes as a game's record: reading them never crashes, what is read writes back to the
// same steps, and a replay of it stops within the record's bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = quillmere::ParseRecord(text);
  const auto* record = std::get_if<quillmere::Record>(&read);
  if (!record) return 0;
  const auto again = quillmere::ParseRecord(quillmere::RecordText(*record));
  const auto* same = std::get_if<quillmere::Record>(&again);
  if (!same || same->steps != record->steps || same->program != record->program) __builtin_trap();
  const auto replayed = quillmere::Replay(*record);
  if (const auto* broken = std::get_if<quillmere::ReplayBroken>(&replayed);
      broken && broken->step > record->steps.size() + 1)
    __builtin_trap();
  return 0;
}
