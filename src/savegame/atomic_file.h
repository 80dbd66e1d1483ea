#pragma once

#include <functional>
#include <string>

enum class AtomicWriteResult { Written, CannotCreate, WriteFailed };

// Gives the file at `path` exactly the bytes `produce` returns, or leaves it as it was: the
// bytes go to a new file in the same folder, which replaces the old one only once it is
// completely on disk. `produce` runs only once that new file exists, so that nothing it
// changes or reports happens for a file that cannot be written; what it throws is passed on. A
// symbolic link is followed and stays a link; the file keeps its permissions, and a new one
// gets 0666 less the umask. An existing file that is not a regular file, or that may not be
// written, is not replaced (CannotCreate).
AtomicWriteResult WriteFileAtomically(const std::string& path,
                                      const std::function<std::string()>& produce);
