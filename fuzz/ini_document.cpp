// The settings file's rules: any bytes read as a document that gives its
// bytes back unchanged, finds every key it lists, and holds a value written
// under any name it accepts, once, whatever the file held before.
//
// Input: section name NUL key name NUL value NUL file text.
#include "FuzzInput.h"
#include "IniDocument.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFuzzInput input(Data, Size);
    const std::string_view section = input.Part();
    const std::string_view key = input.Part();
    std::string value(input.Part());
    for (char& c : value)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string text(input.Rest());

    IniDocument document(text);
    Check(document.Text() == text, "reading keeps every byte");
    for (std::string_view name : document.SectionNames()) {
        Check(document.HasSection(name), "every listed section is found");
        for (std::string_view listed : document.KeyNames(name))
            Check(document.RawValue(name, listed).has_value(), "every listed key is found");
    }

    if (IniDocument::SectionNameFault(section) || IniDocument::KeyNameFault(key))
        return 0;
    document.Write(section, key, value);
    Check(document.RawValue(section, key) == value, "a written value is found");
    const std::string written = document.Text();
    document.Write(section, key, value);
    Check(document.Text() == written, "writing the same value again changes nothing");
    Check(IniDocument(written).RawValue(section, key) == value, "a written value is found in the file");
    return 0;
}
