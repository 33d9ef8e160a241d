#include "audio/Voice.h"

#include "audio/AudioClip.h"

namespace Orvex
{
void Voice::Start(AudioClip* source, std::unique_ptr<StreamReader> reader, ChannelGroup* into)
{
    ++generation;
    state = State::Playing;
    clip = source;
    stream = std::move(reader);
    group = into;
    volume = 1.0f;
    frequency = static_cast<float>(source->Rate());
    loop = false;
    paused = false;
    next = 0;
    frac = 0.0;
    tail = false;
    fresh = true;
    b[0] = b[1] = 0.0f;
    NextFrame(b);
    Advance();
}

Voice::Fetch Voice::NextFrame(float* frame)
{
    if (stream)
    {
        if (stream->Pop(frame))
            return Fetch::Frame;
        // The decoder pushes its last frames before it raises the flag: look again.
        if (!stream->Drained())
            return Fetch::Starved;
        return stream->Pop(frame) ? Fetch::Frame : Fetch::End;
    }
    if (next >= clip->FrameCount())
    {
        if (!loop)
            return Fetch::End;
        next = 0;
    }
    const float* source = clip->Frames().data() + 2 * next;
    frame[0] = source[0];
    frame[1] = source[1];
    ++next;
    return Fetch::Frame;
}

bool Voice::Advance()
{
    a[0] = b[0];
    a[1] = b[1];
    if (tail)
    {
        state = State::Ended;
        return false;
    }
    switch (NextFrame(b))
    {
    case Fetch::Frame:
        return true;
    case Fetch::End:
        // Interpolate the last frame into silence, then end.
        b[0] = b[1] = 0.0f;
        tail = true;
        return true;
    case Fetch::Starved:
        // Hold the last frame until the decoder catches up.
        b[0] = a[0];
        b[1] = a[1];
        frac = 0.0;
        return false;
    }
    return false;
}

void Voice::Mix(float* out, int frames, int outputRate, float gain)
{
    const double step = static_cast<double>(frequency) / outputRate;
    // Ramp gain changes over the block: a volume set per game frame must not click.
    float g = fresh ? gain : lastGain;
    const float dg = (gain - g) / static_cast<float>(frames);
    fresh = false;
    lastGain = gain;
    for (int i = 0; i < frames; ++i)
    {
        g += dg;
        const auto f = static_cast<float>(frac);
        out[2 * i] += g * (a[0] + (b[0] - a[0]) * f);
        out[2 * i + 1] += g * (a[1] + (b[1] - a[1]) * f);
        frac += step;
        while (frac >= 1.0)
        {
            frac -= 1.0;
            if (!Advance())
                return;
        }
    }
}
} // namespace Orvex
