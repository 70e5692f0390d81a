// Which document the program opens when it starts.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class TStartRule {
    OptionFile,  // the file the options name
    LastFile,    // the document open at the last close
    Parameter,   // the command-line parameter's document
    NewDocument, // one "UnTitled" page
};

// What to do when the user declines to open a document another instance
// has open.
enum class TDeclineAction {
    NewDocument,
    CloseInstance, // this instance ends without showing its window
};

// A command-line parameter as the program keeps file names: made absolute
// against the folder the program started in, without "." and ".." (other
// instances compare names as text), in the program's form, which names the
// very file whatever its bytes (OsPath.h).
std::string ParameterFileName(const std::string& Argument);

struct TStartInputs {
    bool OptionFileMode = false; // [APoFile] Mode
    std::string OptionFile;      // [APoFile] File
    bool LastFileMode = false;   // [Options] LastFile
    std::string LastFileName;
    bool SingleInstance = true;
    // The command-line parameters (ParameterFileName).
    std::vector<std::string> Parameters;
    std::function<bool(const std::string& FileName)> FileExists;
};

struct TStartChoice {
    TStartRule Rule = TStartRule::NewDocument;
    // The document without its extension; the file read is DocFileName + ".vk2".
    std::string DocFileName;
    TDeclineAction OnDecline = TDeclineAction::NewDocument;
    // The open dialog's folder once the document opened (with its "/").
    std::string InitialDir;
};

// The first rule that applies. A rule applies only when the file it will
// read exists: a remembered name with another extension is tested as the
// ".vk2" file that is read, so a missing start document falls through to
// the next rule and, at last, to a new document.
TStartChoice ChooseStartDocument(const TStartInputs& Inputs);
