#include "qt/runtime_folder.h"

#include <QDir>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> privateRuntimeFolder() {
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(base)) base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) return std::nullopt;
    const std::string folder = QDir(base).filePath(QStringLiteral("quillastor-timer")).toStdString();
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    const bool ownPrivate = ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
                            (st.st_mode & 077) == 0;
    if (!ownPrivate) return std::nullopt;
    return folder;
}
