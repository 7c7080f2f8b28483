// The preferences loader (the file "Preferences" in the program directory)
// and the colour texts it converts.
#include "FuzzSupport.h"

#include "nations/Preferences.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Env& env = fuzz::beginRun();
    env.write("Preferences", fuzz::asText(data, size));
    TPreferences preferences;
    LoadPreferences(env.dir, preferences, env.messages);
    // Every value of the file as a colour text, as the loader may meet it.
    for (const std::string& line : platform::splitLines(platform::cp1252ToUtf8(fuzz::asText(data, size)))) {
        auto eq = line.find('=');
        (void)ColorFromText(eq == std::string::npos ? line : line.substr(eq + 1));
    }
    return 0;
}
