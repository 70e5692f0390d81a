// The fixture of the settings-file tests: a fresh folder, settings variables
// at their start values and a new main window stand-in.
#pragma once

#include "FakeSettingsHost.h"
#include "SjisLiteral.h"
#include "SubIni.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// A settings text written in UTF-8 with LF line ends, as the file holds it:
// Shift-JIS with CR LF.
inline std::string IniText(std::string_view Utf8)
{
    std::string text;
    for (char c : Sjis(Utf8)) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() { SettingsVars = {}; }
    ~SettingsFileTest() override { SettingsVars = {}; }

    std::string File() const { return Dir.File("velk2000.ini"); }
    void WriteIni(std::string_view Utf8) const { WriteRaw(File(), IniText(Utf8)); }
    void Load() { LoadIni(Host, File()); }
    void Save() { SaveIni(Host, File()); }

    TempDir Dir;
    TFakeSettingsHost Host;
};
