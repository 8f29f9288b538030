#include "report/safe_file.h"

#include "report/file_faults.h"

#include <cstdio>

SafeFile::SafeFile(std::string target) : target_(std::move(target)), temp_(target_ + ".~tmp") {}

SafeFile::~SafeFile() {
    if (open_)
        temp_.Remove();
}

bool SafeFile::Open() {
    if (target_.empty())
        return false;
    open_ = temp_.Open(Textfile::ModeCreate) != 0;
    return open_;
}

bool SafeFile::WriteLine(std::string_view text) {
    return open_ && temp_.WriteLine(text);
}

bool SafeFile::Commit() {
    if (!open_)
        return false;
    temp_.Close();
    open_ = false;
    if (!temp_.Ok() || !file_faults::RenameAllowed() || std::rename(temp_.GetName().c_str(), target_.c_str()) != 0) {
        temp_.Remove();
        return false;
    }
    return true;
}
