// The settings reader and writer on arbitrary file bytes: a value written under a plain section
// and key reads back, and the write replaces or adds only its own line.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "app/ini_file.h"
#include "fakes/fake_file_system.h"
#include "fuzz_check.h"

using namespace velmora;

namespace {

// A name or value the writer keeps as it is: letters and digits only.
std::string Plain(FuzzedDataProvider& input)
{
    std::string text = input.ConsumeRandomLengthString(12);
    std::erase_if(text, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string anySection = input.ConsumeRandomLengthString(12);
    const std::string anyKey = input.ConsumeRandomLengthString(12);
    const std::string section = Plain(input);
    const std::string key = Plain(input);
    const std::string value = Plain(input);
    const std::string content = input.ConsumeRemainingBytesAsString();

    FakeFileSystem files;
    const std::filesystem::path file = "/settings.ini";
    files.files[file] = content;
    FUZZ_CHECK(IniRead(files, file, anySection, anyKey).size() <= 10239);
    IniWrite(files, file, anySection, anyKey, value);

    files.files[file] = content;
    if (section.empty() || key.empty())
        return 0;
    FUZZ_CHECK(IniWrite(files, file, section, key, value));
    const std::string written = *files.Content(file);
    FUZZ_CHECK(IniRead(files, file, section, key) == value);
    // Writing the same value again changes nothing.
    FUZZ_CHECK(IniAssign(written, section, key, value) == written);
    return 0;
}
