#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QString>

#include <optional>

namespace vantro {

// The rest of an open device's content; nothing when reading failed, with the device's reason.
inline std::optional<QByteArray> readToEnd(QIODevice &device, QString &reason)
{
    QByteArray bytes = device.readAll();
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    if (!device.isReadable() || (file && file->error() != QFileDevice::NoError)) {
        reason = device.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace vantro
