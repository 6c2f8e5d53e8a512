#include "app/platform/textfile.h"

#include <QByteArray>
#include <QFile>

#include "core/base/regularfile.h"

namespace quorix {

QStringList decodeTextLines(const QByteArray &bytes, const TextLimits &limits) {
    QStringList lines;
    for (const std::string &line :
         decodeTextLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), limits))
        lines.append(QString::fromStdString(line));
    return lines;
}

TextFileRead readWholeFile(const QString &path, std::size_t maxBytes, std::string &bytes) {
    using Status = TextFileRead::Status;
    TextFileRead read;
    read.limit = maxBytes;
    const auto failed = [&](Status status, const Error &error) {
        read.status = status;
        read.error = QString::fromStdString(error.message);
        return read;
    };
    const Result<RegularFile> file =
        RegularFile::open(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!file) {
        switch (file.error().code) {
        case Error::Code::NotFound:
            return failed(Status::Missing, file.error());
        case Error::Code::BadInput:
            return failed(Status::NotRegularFile, file.error());
        default:
            return failed(Status::Unreadable, file.error());
        }
    }
    // What the reader refuses as input is a file beyond the limit (also one that grew past it).
    Result<std::string> content = file->readAll(maxBytes);
    if (!content)
        return failed(content.error().code == Error::Code::BadInput ? Status::TooLarge : Status::Unreadable,
                      content.error());
    bytes = std::move(*content);
    return read;
}

TextFileRead readTextLines(const QString &path, const TextLimits &limits, std::size_t maxBytes) {
    std::string bytes;
    TextFileRead read = readWholeFile(path, maxBytes, bytes);
    if (!read) return read;
    for (const std::string &line : decodeTextLines(bytes, limits))
        read.lines.append(QString::fromStdString(line));
    return read;
}

} // namespace quorix
