#pragma once

// The message boxes the export shows, all under one caption. Their texts are
// one table in MessageTexts.cpp, which the user's guide lists row by row
// (tools/message-texts.py reads it).
namespace core {

enum class Message {
    PastResults,
    Cancelled,
    NoPath,
    PathTooLong,
    InvalidCharacter,
    InvalidDrive,
    NoFileName,
    CreateFolder,
    FolderNotCreated,
    Overwrite,
    Written,
    Failed,
    DefinitionMissing,
    HostTooOld,
    HostTooNew,
};

// The caption of every message box, and the application title given to the host.
const char* MessageCaption();

// The text of a message box, in the program's Shift_JIS.
const char* MessageText(Message message);

}  // namespace core
