// Any bytes read as a settings file give options and window places without crashing, and a
// write keeps the rest of the text: reading back what was written gives the same text and
// the value just stored.

#include <cstdint>
#include <string_view>

#include "core/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ProfileText text(bytes);
  const ProgramOptions read = OptionsFrom(text);
  if (static_cast<int>(read.skillSetting) < 0 || static_cast<int>(read.skillSetting) > 5) __builtin_trap();
  for (int s = 0; s < StationCount; ++s) {
    const auto value =
        text.GetString(PositionsSectionName(), PositionKey(static_cast<Station>(s)), PositionValueCapacity);
    if (value && value->size() >= PositionValueCapacity) __builtin_trap();
    if (value) (void)ParsePlacement(*value);
  }

  StoreOptions(text, ProgramOptions{SkillLevel::Captain, 0, 1, 0, 1});
  text.Set(PositionsSectionName(), PositionKey(Station::Controls), "1,350,262,623,379");
  const ProfileText reread(text.Text());
  if (reread.Text() != text.Text()) __builtin_trap();
  if (OptionsFrom(reread).skillSetting != SkillLevel::Captain) __builtin_trap();
  if (reread.GetString(PositionsSectionName(), PositionKey(Station::Controls), PositionValueCapacity) !=
      "1,350,262,623,379")
    __builtin_trap();
  return 0;
}
