#include "OutputFiles.h"

#include "Files.h"

void WriteOutputFiles(const TOutputFiles& Files, const std::string& Document, TFileSystem& System)
{
    std::vector<TFileWrite> writes;
    writes.reserve(Files.size());
    for (const TOutputFile& file : Files)
        writes.push_back({file.Name, file.Bytes, {Document}});
    WriteFilesAtomic(writes, System);
}
