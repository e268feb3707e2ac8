#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A property every input must keep. A broken one prints what failed, with the input's text
// where there is one, and aborts, so that libFuzzer saves the input as a crash.
#define FUZZ_CHECK(condition, text)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\ninput: %s\n", __FILE__, __LINE__,    \
                         #condition, QString(text).toUtf8().toHex(' ').constData());               \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The fuzzer's bytes as a text: UTF-8, with invalid sequences read as U+FFFD.
inline QString textFromBytes(const unsigned char *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}
