#include "OutputFiles.h"

#include "Files.h"

void WriteOutputFiles(const TOutputFiles& Files, TFileSystem& System)
{
    for (const TOutputFile& file : Files)
        WriteFileAtomic(file.Name, file.Bytes, System);
}
