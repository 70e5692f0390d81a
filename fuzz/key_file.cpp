// The key file: any file loads; the shortcuts loaded are saved and load
// again the same; a shortcut's text names that shortcut.
#include "FuzzInput.h"
#include "ShortCutText.h"
#include "SubKeyIni.h"

#include "CommandTable.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace {

class TShortCuts : public IShortCutTarget {
public:
    TShortCut ShortCut(TCommandId Item) const override
    {
        const auto found = Keys_.find(Item);
        return found == Keys_.end() ? 0 : found->second;
    }
    void SetShortCut(TCommandId Item, TShortCut Value) override { Keys_.insert_or_assign(Item, Value); }

private:
    std::map<TCommandId, TShortCut> Keys_;
};

// Two files of this process in the temporary folder (scripts/fuzz.sh points
// it at a RAM disk).
const std::string& FolderOfThisProcess()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("velk-fuzz-keys-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
    const TShortCut named = TextToShortCut(bytes.substr(0, 40));
    Check(named == 0 || TextToShortCut(ShortCutToText(named)) == named, "a shortcut's text names it");

    const std::string given = FolderOfThisProcess() + "given.ini", saved = FolderOfThisProcess() + "saved.ini";
    std::ofstream(given, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(Size));
    std::filesystem::remove(saved);
    TShortCuts loaded, reloaded;
    LoadKeyIni(loaded, given);
    SaveKeyIni(loaded, saved);
    LoadKeyIni(reloaded, saved);
    for (const TCommandRow& row : CommandRegistry())
        if (row.Item)
            Check(reloaded.ShortCut(*row.Item) == loaded.ShortCut(*row.Item), "saved shortcuts load the same");
    return 0;
}
