// A settings profile file as anyone may hand it over: read, checked for both
// resolutions and, when accepted, written and read back to the same settings.
#include "fuzzcheck.h"
#include "core/settings/profile.h"
#include "core/settings/settingtable.h"

#include <QJsonObject>
#include <QTextCodec>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Text limits count bytes in the local encoding; the codec is kept for the whole run.
    static QTextCodec *const local = [] {
        QTextCodec *codec = QTextCodec::codecForName("UTF-8");
        QTextCodec::setCodecForLocale(codec);
        return codec;
    }();
    Q_UNUSED(local)
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    profile::Profile p;
    QString error;
    if (!profile::parse(text, &p, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(p.dotsPerMm == 8 || p.dotsPerMm == 12);
    bool accepted = true;
    for (auto page = p.settings.begin(); page != p.settings.end(); ++page) {
        for (int dotsPerMm : {8, 12}) {
            QString why;
            const bool ok =
                settingtable::checkPage(page.key(), page.value().toObject(), dotsPerMm, &why);
            FUZZ_CHECK(ok || !why.isEmpty());
            accepted = accepted && (ok || dotsPerMm != p.dotsPerMm);
        }
    }
    // A profile that passes its checks is written and read back unchanged.
    if (accepted) {
        profile::Profile back;
        FUZZ_CHECK(profile::parse(profile::serialize(p), &back, &error));
        FUZZ_CHECK(back.settings == p.settings && back.dotsPerMm == p.dotsPerMm);
    }
    return 0;
}
