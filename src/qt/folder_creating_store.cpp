#include "qt/folder_creating_store.h"

#include <QDir>
#include <QFileInfo>

bool FolderCreatingStore::replaceAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    if (!QDir().mkpath(folder)) return false;
    return inner_.replaceAll(path, bytes);
}
