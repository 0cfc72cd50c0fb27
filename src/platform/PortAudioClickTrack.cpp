// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PortAudioClickTrack.h"

#include "platform/ClickEngine.h"
#include "platform/QuietStderr.h"

#include <portaudio.h>

#include <algorithm>
#include <cmath>
#include <ctime>

struct PortAudioClickTrack::Stream {
    PaStream *pa = nullptr;
    ClickEngine *engine = nullptr;
    double reportedLatency = 0;
    qint64 reportedLatencyNs = 0;
    double rate = 0;
};

namespace {

bool verboseSound = false;

qint64 readClock(clockid_t id)
{
    timespec now{};
    clock_gettime(id, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int fill(const void *, void *output, unsigned long frames, const PaStreamCallbackTimeInfo *time,
         PaStreamCallbackFlags, void *data)
{
    auto *stream = static_cast<PortAudioClickTrack::Stream *>(data);
    const qint64 monotonic = readClock(CLOCK_MONOTONIC);
    const qint64 dac =
        PortAudioClickTrack::dacToMonotonic(time->currentTime, time->outputBufferDacTime, monotonic,
                                            readClock(CLOCK_REALTIME), stream->reportedLatencyNs);
    stream->engine->render(static_cast<float *>(output), int(frames), dac, monotonic);
    return paContinue;
}

} // namespace

PortAudioClickTrack::PortAudioClickTrack() = default;

PortAudioClickTrack::~PortAudioClickTrack()
{
    stop();
}

void PortAudioClickTrack::setVerbose(bool verbose)
{
    verboseSound = verbose;
}

qint64 PortAudioClickTrack::dacToMonotonic(double currentTime, double dacTime,
                                           qint64 monotonicNowNs, qint64 realtimeNowNs,
                                           qint64 reportedLatencyNs)
{
    if (!(dacTime > 0))
        return monotonicNowNs + reportedLatencyNs;
    // Within a second of a clock's reading now, the stream's time is that clock's.
    for (const qint64 now : {realtimeNowNs, monotonicNowNs}) {
        const double seconds = double(now) / 1e9;
        if (std::abs(currentTime - seconds) < 1.0)
            return monotonicNowNs + std::llround((dacTime - seconds) * 1e9);
    }
    return monotonicNowNs + std::llround((dacTime - currentTime) * 1e9);
}

bool PortAudioClickTrack::start()
{
    if (m_stream)
        return true;
    // Everything PortAudio prints while it looks at the system's devices is held back.
    const QuietStderr quiet(verboseSound);
    if (Pa_Initialize() != paNoError)
        return false;
    const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
    const PaDeviceInfo *info = device == paNoDevice ? nullptr : Pa_GetDeviceInfo(device);
    if (!info || info->maxOutputChannels < 1) {
        Pa_Terminate();
        return false;
    }
    const int channels = std::min(2, info->maxOutputChannels);
    auto engine = std::make_unique<ClickEngine>(int(info->defaultSampleRate), channels);
    engine->setVolume(m_volume);
    engine->setLatencyOffsetNs(m_offsetNs);
    auto stream = std::make_unique<Stream>();
    stream->engine = engine.get();
    stream->rate = info->defaultSampleRate;
    const PaStreamParameters parameters{
        device, channels, paFloat32,
        std::max(SuggestedLatencySeconds, info->defaultLowOutputLatency), nullptr};
    // Without dither, the silence between clicks stays silent.
    if (Pa_OpenStream(&stream->pa, nullptr, &parameters, stream->rate, paFramesPerBufferUnspecified,
                      paDitherOff, fill, stream.get()) != paNoError) {
        Pa_Terminate();
        return false;
    }
    if (const PaStreamInfo *opened = Pa_GetStreamInfo(stream->pa)) {
        stream->reportedLatency = opened->outputLatency;
        stream->reportedLatencyNs = std::llround(opened->outputLatency * 1e9);
    }
    if (Pa_StartStream(stream->pa) != paNoError) {
        Pa_CloseStream(stream->pa);
        Pa_Terminate();
        return false;
    }
    m_engine = std::move(engine);
    m_stream = std::move(stream);
    return true;
}

// The engine stays, so the clicks played can still be asked about.
void PortAudioClickTrack::stop()
{
    if (!m_stream)
        return;
    const QuietStderr quiet(verboseSound);
    Pa_AbortStream(m_stream->pa);
    Pa_CloseStream(m_stream->pa);
    Pa_Terminate();
    m_stream.reset();
}

void PortAudioClickTrack::schedule(qint64 atNs, bool accent)
{
    if (m_stream)
        m_engine->schedule(atNs, accent);
}

void PortAudioClickTrack::clear()
{
    if (m_engine)
        m_engine->clear();
}

std::optional<ClickTrack::Placed> PortAudioClickTrack::placed(qint64 plannedNs) const
{
    return m_engine ? m_engine->placed(plannedNs) : std::nullopt;
}

int PortAudioClickTrack::droppedCount() const
{
    return m_engine ? m_engine->droppedCount() : 0;
}

qint64 PortAudioClickTrack::outputLatencyNs() const
{
    return m_stream ? m_engine->outputLatencyNs() : 0;
}

void PortAudioClickTrack::setVolume(double gain)
{
    m_volume = std::clamp(gain, 0.0, 1.0);
    if (m_engine)
        m_engine->setVolume(m_volume);
}

void PortAudioClickTrack::setLatencyOffsetMs(double ms)
{
    // Two seconds either way is more than any output's latency.
    m_offsetNs = std::isfinite(ms) ? std::llround(std::clamp(ms, -2000.0, 2000.0) * 1e6) : 0;
    if (m_engine)
        m_engine->setLatencyOffsetNs(m_offsetNs);
}

double PortAudioClickTrack::reportedLatencySeconds() const
{
    return m_stream ? m_stream->reportedLatency : 0;
}

double PortAudioClickTrack::sampleRate() const
{
    return m_stream ? m_stream->rate : 0;
}

int PortAudioClickTrack::clockRestarts() const
{
    return m_engine ? m_engine->clockRestarts() : 0;
}

double PortAudioClickTrack::framesPerSecond() const
{
    return m_engine ? m_engine->framesPerSecond() : 0;
}
