#pragma once

#include "words/message.h"

#include <functional>
#include <string>

enum class AtomicWriteResult { Written, CannotCreate, WriteFailed };

struct AtomicWrite {
    AtomicWriteResult result = AtomicWriteResult::Written;
    // Why it failed, as errno tells it; 0 once written.
    int error = 0;
};

// Gives the file at `path` exactly the bytes `produce` returns, or leaves it as it was: the
// bytes go to a new file in the same folder, which replaces the old one only once it is
// completely on disk. `produce` runs only once that new file exists, so that nothing it
// changes or reports happens for a file that cannot be written; what it throws is passed on. A
// symbolic link is followed and stays a link; the file keeps its permissions, and a new one
// gets 0666 less the umask. An existing file that is not a regular file, or that may not be
// written, is not replaced (CannotCreate).
AtomicWrite WriteFileAtomically(const std::string& path,
                                const std::function<std::string()>& produce);

// "Can't write the file" with the path and the system's reason ("Permission denied").
Message CantWriteFile(const std::string& path, const AtomicWrite& failed);
