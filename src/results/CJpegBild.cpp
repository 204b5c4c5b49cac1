#include "results/CJpegBild.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include <jpeglib.h>

namespace zeva {

namespace {

// The library reports a fatal error by calling error_exit, which by default
// ends the process. This manager jumps back into SchreibeRoh instead and
// keeps the library's text.
struct Fehlermanager {
    jpeg_error_mgr basis;
    std::jmp_buf ruecksprung;
    char text[JMSG_LENGTH_MAX];
};

extern "C" void FehlerAusgang(j_common_ptr info)
{
    auto* m = reinterpret_cast<Fehlermanager*>(info->err);
    (*info->err->format_message)(info, m->text);
    std::longjmp(m->ruecksprung, 1);
}

extern "C" void KeineAusgabe(j_common_ptr) {}

bool GueltigeBitzahl(int b)
{
    return b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
}

// Converts the stored rows into the library's rows (R, G, B, top row first).
void Wandle(const BitmapKopf& kopf, const std::uint8_t* zeilen, JSAMPARRAY ziel)
{
    const int w = kopf.breite;
    const int h = kopf.hoehe;
    const std::size_t laenge = CJpegBild::Zeilenlaenge(w, kopf.bitzahl);
    const auto tabelle = [&](unsigned index, JSAMPROW p) {
        if (index < kopf.farbtabelle.size()) {
            const auto& e = kopf.farbtabelle[index];
            p[0] = e[2];
            p[1] = e[1];
            p[2] = e[0];
        } else {
            p[0] = p[1] = p[2] = 0;
        }
    };
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* q = zeilen + static_cast<std::size_t>(h - 1 - y) * laenge;
        JSAMPROW p = ziel[y];
        for (int x = 0; x < w; ++x, p += 3) {
            switch (kopf.bitzahl) {
            case 1: tabelle((q[x / 8] >> (7 - x % 8)) & 1u, p); break;
            case 4: tabelle((q[x / 2] >> (x % 2 ? 0 : 4)) & 0xFu, p); break;
            case 8: tabelle(q[x], p); break;
            case 16: {
                const unsigned v = q[2 * x] | (q[2 * x + 1] << 8);
                p[0] = CJpegBild::Erweitere5Bit((v >> 10) & 31u);
                p[1] = CJpegBild::Erweitere5Bit((v >> 5) & 31u);
                p[2] = CJpegBild::Erweitere5Bit(v & 31u);
                break;
            }
            case 24:
                p[0] = q[3 * x + 2];
                p[1] = q[3 * x + 1];
                p[2] = q[3 * x];
                break;
            default:
                p[0] = q[4 * x + 2];
                p[1] = q[4 * x + 1];
                p[2] = q[4 * x];
                break;
            }
        }
    }
}

// The part between setjmp and the library: only plain C objects live here,
// so a jump back skips no destructor. Returns false with the library's text
// in `fehler` when the library failed.
bool SchreibeRoh(const BitmapKopf& kopf, const std::uint8_t* zeilen, std::FILE* datei, int qualitaet, char* fehler)
{
    jpeg_compress_struct info;
    Fehlermanager fm;
    info.err = jpeg_std_error(&fm.basis);
    fm.basis.error_exit = FehlerAusgang;
    fm.basis.output_message = KeineAusgabe;
    fm.text[0] = '\0';
    if (setjmp(fm.ruecksprung)) {
        jpeg_destroy_compress(&info);
        std::strncpy(fehler, fm.text, JMSG_LENGTH_MAX - 1);
        fehler[JMSG_LENGTH_MAX - 1] = '\0';
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, datei);
    info.image_width = static_cast<JDIMENSION>(kopf.breite);
    info.image_height = static_cast<JDIMENSION>(kopf.hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPARRAY puffer = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                  static_cast<JDIMENSION>(kopf.breite) * 3,
                                                  static_cast<JDIMENSION>(kopf.hoehe));
    Wandle(kopf, zeilen, puffer);
    JDIMENSION geschrieben = 0;
    while (geschrieben < info.image_height)
        geschrieben += jpeg_write_scanlines(&info, puffer + geschrieben, info.image_height - geschrieben);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::size_t CJpegBild::Zeilenlaenge(int breite, int bitzahl)
{
    const std::size_t bits = static_cast<std::size_t>(breite) * static_cast<std::size_t>(bitzahl);
    return (bits + 31) / 32 * 4;
}

std::uint8_t CJpegBild::Erweitere5Bit(unsigned v)
{
    if (v == 0)
        return 0;
    if (v == 1)
        return 16;
    if (v >= 31)
        return 255;
    return static_cast<std::uint8_t>(8 * v + 8);
}

bool CJpegBild::SchreibeJpeg(const BitmapKopf* kopf, const std::uint8_t* zeilen, const std::string& datei,
                             int qualitaet)
{
    if (qualitaet < 0 || qualitaet > 100 || !kopf || !zeilen || datei.empty() || kopf->breite <= 0 ||
        kopf->hoehe <= 0) {
        m_fehler = FehlerEingabe;
        return false;
    }
    m_fehler.clear();
    // Checked before the file is made: an unknown bit count would otherwise
    // leave an empty file behind.
    if (!GueltigeBitzahl(kopf->bitzahl)) {
        m_fehler = FehlerBitzahl;
        return false;
    }
    struct stat vorher{};
    const bool gabEs = ::stat(datei.c_str(), &vorher) == 0;
    errno = 0;
    std::FILE* f = std::fopen(datei.c_str(), "wb");
    if (!f) {
        m_fehler = std::strerror(errno);
        return false;
    }
    char text[JMSG_LENGTH_MAX] = {};
    // A failed write leaves the system's reason in errno; the library's own
    // text only names the symptom.
    int systemfehler = 0;
    errno = 0;
    bool ok = SchreibeRoh(*kopf, zeilen, f, qualitaet, text);
    if (!ok)
        systemfehler = errno;
    if (std::fflush(f) != 0 && ok) {
        ok = false;
        systemfehler = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        systemfehler = errno;
    }
    if (!ok) {
        m_fehler = systemfehler != 0 ? std::strerror(systemfehler) : text[0] ? text : "JPEG error";
        // Only an ordinary file is taken away; a device such as /dev/full or
        // a pipe stays.
        struct stat nachher{};
        if (::stat(datei.c_str(), &nachher) == 0 && S_ISREG(nachher.st_mode) && (!gabEs || S_ISREG(vorher.st_mode)))
            std::remove(datei.c_str());
        return false;
    }
    return true;
}

} // namespace zeva
