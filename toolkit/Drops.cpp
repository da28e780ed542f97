#include "Drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {
std::string LocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return QFile::encodeName(url.toLocalFile()).toStdString();
    return {};
}
}  // namespace

void AcceptFileDrag(QDragEnterEvent* event) {
    if (!LocalFile(event->mimeData()).empty()) event->acceptProposedAction();
}

std::string TakeDroppedFile(QDropEvent* event) {
    std::string path = LocalFile(event->mimeData());
    if (!path.empty()) event->acceptProposedAction();
    return path;
}
