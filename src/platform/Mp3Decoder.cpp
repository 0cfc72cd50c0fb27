// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Mp3Decoder.h"

#include <QFile>

#include <mpg123.h>

#include <memory>

namespace Mp3Decoder {

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle *handle) const
    {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

Handle newHandle()
{
    int error = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &error));
    if (!handle || error != MPG123_OK)
        return nullptr;
    // Only the output format is allowed; the library up-mixes mono and resamples to it.
    // Warnings about damaged frames stay off stderr: such a file simply sounds as far as
    // it can be decoded.
    if (mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_FORCE_STEREO | MPG123_QUIET, 0) !=
            MPG123_OK ||
        mpg123_format_none(handle.get()) != MPG123_OK ||
        mpg123_format(handle.get(), SampleRate, MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_open_feed(handle.get()) != MPG123_OK)
        return nullptr;
    return handle;
}

} // namespace

QByteArray decode(const QByteArray &mp3)
{
    if (mp3.isEmpty())
        return {};
    const Handle handle = newHandle();
    if (!handle)
        return {};
    QByteArray pcm;
    unsigned char chunk[16384];
    size_t got = 0;
    int result =
        mpg123_decode(handle.get(), reinterpret_cast<const unsigned char *>(mp3.constData()),
                      size_t(mp3.size()), chunk, sizeof chunk, &got);
    for (;;) {
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle.get(), &rate, &channels, &encoding);
            if (rate != SampleRate || channels != Channels || encoding != MPG123_ENC_SIGNED_16)
                return {};
        } else if (result != MPG123_OK) {
            // MPG123_NEED_MORE: the whole file has been used up. Anything else is an error;
            // what was decoded before it is kept.
            pcm.append(reinterpret_cast<const char *>(chunk), qsizetype(got));
            break;
        }
        pcm.append(reinterpret_cast<const char *>(chunk), qsizetype(got));
        result = mpg123_decode(handle.get(), nullptr, 0, chunk, sizeof chunk, &got);
    }
    // Whole frames only, so left and right never trade places.
    pcm.truncate(pcm.size() - pcm.size() % (2 * Channels));
    return pcm;
}

QByteArray decodeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}

} // namespace Mp3Decoder
