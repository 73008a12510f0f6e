#include "platform/OutputVolume.h"

#include <QElapsedTimer>
#include <pulse/pulseaudio.h>

namespace {

constexpr int kSvartidMs = 1000;

struct Spoergsmaal
{
    QByteArray sink;
    bool faerdig = false;
    std::optional<bool> stille;
};

void sinkInfo(pa_context *, const pa_sink_info *info, int eol, void *data)
{
    auto *s = static_cast<Spoergsmaal *>(data);
    if (info)
        s->stille = info->mute || pa_cvolume_max(&info->volume) == PA_VOLUME_MUTED;
    if (eol != 0 || info)
        s->faerdig = true;
}

void spoergSink(pa_context *context, const char *navn, Spoergsmaal *s)
{
    if (!navn) {
        s->faerdig = true;
        return;
    }
    pa_operation *op = pa_context_get_sink_info_by_name(context, navn, sinkInfo, s);
    if (op)
        pa_operation_unref(op);
    else
        s->faerdig = true;
}

void serverInfo(pa_context *context, const pa_server_info *info, void *data)
{
    spoergSink(context, info ? info->default_sink_name : nullptr, static_cast<Spoergsmaal *>(data));
}

void tilstand(pa_context *context, void *data)
{
    auto *s = static_cast<Spoergsmaal *>(data);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (!s->sink.isEmpty()) {
            spoergSink(context, s->sink.constData(), s);
        } else if (pa_operation *op = pa_context_get_server_info(context, serverInfo, s)) {
            pa_operation_unref(op);
        } else {
            s->faerdig = true;
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        s->faerdig = true;
        break;
    default:
        break;
    }
}

} // namespace

std::optional<bool> SystemOutputVolume::silent() const
{
    // A loop of its own that runs only for this question, so the answer comes
    // at once or not at all; a sound server is never started for it.
    Spoergsmaal s;
    s.sink = m_sink;
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return std::nullopt;
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Klokkeven");
    if (context) {
        pa_context_set_state_callback(context, tilstand, &s);
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            QElapsedTimer ur;
            ur.start();
            while (!s.faerdig && ur.elapsed() < kSvartidMs) {
                const qint64 resten = (kSvartidMs - ur.elapsed()) * 1000;
                if (pa_mainloop_prepare(loop, int(resten)) < 0 || pa_mainloop_poll(loop) < 0 ||
                    pa_mainloop_dispatch(loop) < 0)
                    break;
            }
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
        }
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return s.faerdig ? s.stille : std::nullopt;
}
