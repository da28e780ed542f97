#include "FileText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringDecoder>
#include <cerrno>

#include "Utf8Text.h"

namespace {
FileText Refused(std::string why) { return {{}, {std::move(why)}}; }

// Reads up to one byte more than the limit, so that a longer file is told apart.
FileText ReadLimited(int descriptor, const char* tooLong) {
    std::string bytes(MaxPointFileBytes + 1, '\0');
    std::size_t length = 0;
    while (length < bytes.size()) {
        const ssize_t n = read(descriptor, bytes.data() + length, bytes.size() - length);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Refused("файл не прочитан: ошибка чтения");
        if (n == 0) break;
        length += static_cast<std::size_t>(n);
    }
    if (length > MaxPointFileBytes) return Refused(tooLong);
    bytes.resize(length);
    return DecodeText(bytes);
}

bool HasControlCharacters(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != '\t' && c != '\n' && c != '\r') return true;
    return false;
}
}  // namespace

FileText ReadFileText(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return Refused(errno == ENOENT ? "файл не прочитан: файла нет"
                       : errno == EACCES ? "файл не прочитан: нет прав на чтение"
                                         : "файл не прочитан: он не открылся");
    if (S_ISDIR(status.st_mode)) return Refused("это папка, а не файл");
    if (!S_ISREG(status.st_mode)) return Refused("это не обычный файл");
    // Non-blocking, so that a file replaced by a pipe after the look above cannot
    // hold the program either.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Refused(errno == EACCES ? "файл не прочитан: нет прав на чтение"
                                       : "файл не прочитан: он не открылся");
    FileText read = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
                        ? ReadLimited(descriptor, "файл не прочитан: он больше 1 МБ")
                        : Refused("это не обычный файл");
    close(descriptor);
    return read;
}

FileText ReadStreamText(int descriptor) {
    return ReadLimited(descriptor, "стандартный ввод больше 1 МБ");
}

FileText DecodeText(const std::string& bytes) {
    const FileText notText = Refused("не текст в кодировке UTF-8, UTF-16 или Windows-1251");
    QString text;
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const auto decode = [&](QStringDecoder decoder, QByteArrayView part) {
        text = decoder.decode(part);
        return !decoder.hasError();
    };
    bool decoded = false;
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF"))
        decoded = decode(QStringDecoder(view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                                    : QStringDecoder::Utf16BE),
                         view.sliced(2));
    else if (ValidUtf8(bytes))
        decoded = decode(QStringDecoder(QStringDecoder::Utf8), view);
    else
        decoded = decode(QStringDecoder("windows-1251"), view);
    if (!decoded || HasControlCharacters(text)) return notText;
    return {text.toStdString(), {}};
}
