#include "core/report/safe_file.h"

SafeFile::SafeFile(std::string target) : temp_(std::move(target)) {}

bool SafeFile::Fail(std::string reason) {
    file_.Close();
    temp_.Discard();
    open_ = false;
    if (error_.empty())
        error_ = std::move(reason);
    return false;
}

bool SafeFile::Open() {
    error_.clear();
    if (!temp_.Create())
        return Fail(temp_.Reason());
    file_.SetName(temp_.Name());
    if (!file_.Open(Textfile::ModeCreate))
        return Fail(SystemReason(file_.ErrorNumber()));
    open_ = true;
    return true;
}

bool SafeFile::WriteLine(std::string_view text) {
    if (!open_)
        return false;
    return file_.WriteLine(text) || Fail(SystemReason(file_.ErrorNumber()));
}

bool SafeFile::Commit() {
    if (!open_)
        return false;
    file_.Close();
    open_ = false;
    if (!file_.Ok())
        return Fail(SystemReason(file_.ErrorNumber()));
    if (!temp_.Place())
        return Fail(temp_.Reason());
    return true;
}

bool WriteWhole(const std::string& target, const std::function<bool(Textfile&)>& write, std::string& reason) {
    TempBeside temp(target);
    if (!temp.Create()) {
        reason = temp.Reason();
        return false;
    }
    Textfile file(temp.Name());
    const bool ok = write(file);
    file.Close();
    if (!ok || !file.Ok()) {
        reason = file.ErrorNumber() != 0 ? SystemReason(file.ErrorNumber()) : "not written whole";
        return false;
    }
    if (!temp.Place()) {
        reason = temp.Reason();
        return false;
    }
    return true;
}
