#include "platform/jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr JDIMENSION GroessteSeite = 8192;

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back into Dekodiere.
struct TFehler {
    jpeg_error_mgr Standard;
    std::jmp_buf Sprung;
};

[[noreturn]] void FehlerAusgang(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TFehler*>(info->err)->Sprung, true);  // setjmp gives true
}

void KeineMeldung(j_common_ptr /*info*/) {}

struct TPixel {
    std::vector<unsigned char> Daten;  // RGB, 3 bytes a pixel
    JDIMENSION Breite{};
    JDIMENSION Hoehe{};
};

// Every object lives in the caller, so the jump skips no destructor and
// nothing here is changed between setjmp and a jump but through pointers.
// The caller destroys the decoder, whichever way this ends.
bool Dekodiere(jpeg_decompress_struct* info, TFehler* fehler, const QByteArray* daten, TPixel* pixel)
{
    info->err = jpeg_std_error(&fehler->Standard);
    fehler->Standard.error_exit = FehlerAusgang;
    fehler->Standard.output_message = KeineMeldung;
    if (setjmp(fehler->Sprung))
        return false;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(daten->constData()),
                 static_cast<unsigned long>(daten->size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK || info->image_width > GroessteSeite ||
        info->image_height > GroessteSeite)
        return false;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    pixel->Breite = info->output_width;
    pixel->Hoehe = info->output_height;
    const std::size_t zeile = static_cast<std::size_t>(info->output_width) * 3;
    pixel->Daten.resize(zeile * info->output_height);
    while (info->output_scanline < info->output_height) {
        JSAMPROW z = pixel->Daten.data() + zeile * info->output_scanline;
        jpeg_read_scanlines(info, &z, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

QImage JpegLesen(const QByteArray& daten)
{
    if (daten.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    TFehler fehler{};
    TPixel pixel;
    // (The decoder refuses a picture without rows or columns.) Destroying
    // a decoder that was never created does nothing.
    const bool gelesen = Dekodiere(&info, &fehler, &daten, &pixel);
    jpeg_destroy_decompress(&info);
    if (!gelesen)
        return {};
    QImage bild(static_cast<int>(pixel.Breite), static_cast<int>(pixel.Hoehe), QImage::Format_RGB888);
    if (bild.isNull())
        return {};
    const std::size_t zeile = static_cast<std::size_t>(pixel.Breite) * 3;
    for (int y = 0; y < bild.height(); ++y)
        std::copy_n(pixel.Daten.data() + zeile * static_cast<std::size_t>(y), zeile, bild.scanLine(y));
    return bild;
}
