#pragma once
// Reads a JPEG file back with libjpeg for the tests: size and R, G, B rows,
// top row first. An unreadable file gives an empty picture.
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace zeva::test {

struct JpegPixel {
    int r = 0, g = 0, b = 0;
};

struct JpegBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint8_t> rgb;
    JpegPixel Pixel(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(breite) + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

namespace jpeglesen {
struct Fehler {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
};
extern "C" inline void Aus(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Fehler*>(info->err)->sprung, 1);
}
inline bool Lies(std::FILE* f, JpegBild& bild)
{
    jpeg_decompress_struct info;
    Fehler fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = Aus;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    bild.breite = static_cast<int>(info.output_width);
    bild.hoehe = static_cast<int>(info.output_height);
    bild.rgb.resize(static_cast<std::size_t>(bild.breite) * bild.hoehe * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild.rgb.data() + static_cast<std::size_t>(info.output_scanline) * bild.breite * 3;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace jpeglesen

inline JpegBild LiesJpeg(const std::string& datei)
{
    JpegBild bild;
    std::FILE* f = std::fopen(datei.c_str(), "rb");
    if (!f)
        return bild;
    if (!jpeglesen::Lies(f, bild))
        bild = {};
    std::fclose(f);
    return bild;
}

} // namespace zeva::test
