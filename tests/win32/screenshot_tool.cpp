// Saves the README's picture of the Windows window: the five languages in time mode with the
// widest values a report shows (4CH, PAL, LOW, the longest resolution, 1/999, 750G), two windows a
// row, at the screen density of the wine prefix it runs in; then the sheets of two densities side
// by side. See scripts/windows-screenshots.sh.
//   kolvex-win32-screenshots sheet <out.png>
//   kolvex-win32-screenshots join <out.png> <left.png> <right.png>
//   kolvex-win32-screenshots message <out.png>   (the missing-item message in Chinese, to look at)
//   kolvex-win32-screenshots typed|escape <out.png>   (a note typed below a report; the report after
//   Combo4 was opened, moved down in with the arrow key and left with Escape)
#include "lang/language_texts.h"
#include "tests/win32/window_driver.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using ui::Control;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // BGRA, top row first
};

Image capture(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    Image image{static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top), {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, r.left, r.top, SRCCOPY);
    std::copy_n(static_cast<const std::uint32_t*>(bits), image.pixels.size(), image.pixels.begin());
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

void paste(Image& sheet, const Image& part, int left, int top) {
    for (int y = 0; y < part.height; ++y) {
        std::copy_n(&part.pixels[static_cast<std::size_t>(y * part.width)], part.width,
                    &sheet.pixels[static_cast<std::size_t>((top + y) * sheet.width + left)]);
    }
}

IWICImagingFactory* factory() {
    static IWICImagingFactory* const instance = [] {
        IWICImagingFactory* f = nullptr;
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(&f));
        return f;
    }();
    return instance;
}

bool save(const Image& image, const std::wstring& path) {
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    bool ok = factory() != nullptr && SUCCEEDED(factory()->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory()->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
              SUCCEEDED(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)));
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    ok = ok && SUCCEEDED(frame->SetPixelFormat(&format)) &&
         SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.height), static_cast<UINT>(image.width) * 4,
                                      static_cast<UINT>(image.pixels.size() * 4),
                                      reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.pixels.data())))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    return ok;
}

Image load(const std::wstring& path) {
    Image image;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0;
    UINT height = 0;
    if (factory() != nullptr &&
        SUCCEEDED(factory()->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                       WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory()->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        image = {static_cast<int>(width), static_cast<int>(height), {}};
        image.pixels.resize(static_cast<std::size_t>(width) * height);
        converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(image.pixels.size() * 4),
                              reinterpret_cast<BYTE*>(image.pixels.data()));
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    return image;
}

// Shows what was drawn before the picture is taken.
void settle() {
    for (int i = 0; i < 10; ++i) {
        kolvex_test::pumpMessages();
        Sleep(30);
    }
}

Image everyLanguage() {
    using namespace kolvex_test;
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    click(form.control(Control::Option2_1));
    click(form.control(Control::Option1_1));
    choose(form, Control::Combo1, 1);
    choose(form, Control::Combo2, 4);
    int longest = 0;
    std::size_t longestLength = 0;
    for (int e = 0; e < 3; ++e) {
        const auto length = static_cast<std::size_t>(
            SendMessageW(form.control(Control::Combo3), CB_GETLBTEXTLEN, static_cast<WPARAM>(e), 0));
        if (length > longestLength) {
            longest = e;
            longestLength = length;
        }
    }
    choose(form, Control::Combo3, longest);
    choose(form, Control::Combo4, 998);
    choose(form, Control::Combo6, static_cast<int>(SendMessageW(form.control(Control::Combo6), CB_GETCOUNT, 0, 0)) - 1);
    std::vector<Image> shots;
    for (int language = 0; language < static_cast<int>(lang::kLanguageCount); ++language) {
        chooseLanguage(form, language);
        click(form.control(Control::Count_BTN));
        settle();
        shots.push_back(capture(form.handle()));
    }
    constexpr int kGap = 8;
    const int width = shots.front().width;
    const int height = shots.front().height;
    Image sheet{2 * width + 3 * kGap, 3 * height + 4 * kGap, {}};
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height), 0xFFFFFFFF);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const int column = static_cast<int>(i % 2);
        const int row = static_cast<int>(i / 2);
        paste(sheet, shots[i], kGap + column * (width + kGap), kGap + row * (height + kGap));
    }
    return sheet;
}

// The message box, taken once it has been drawn, from a timer that then closes it.
Image chineseMessage() {
    using namespace kolvex_test;
    static Image shot;
    OpenWindow window;
    chooseLanguage(window.form, 1);
    const UINT_PTR timer = SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (box != nullptr && shot.width == 0) {
            shot = capture(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    click(window.form.control(Control::Count_BTN));
    KillTimer(nullptr, timer);
    return shot;
}

// 4CH, PAL, HIGH, the first resolution, 1/10, 1 Day and its report; then a note typed below it, or
// the speed list opened, Down and Escape pressed in it and Calculate clicked again.
Image afterKeys(bool typed) {
    using namespace kolvex_test;
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    setUp(form, ui::testing::ReportChoice{1, 0, 1, 2, 0, 9, 4});
    click(form.control(Control::Count_BTN));
    if (typed) {
        HWND text1 = form.control(Control::Text1);
        RECT box{};
        GetClientRect(text1, &box);
        clickAt(form, text1, POINT{4, box.bottom - 4});
        for (const UINT key : std::vector<UINT>{'C', 'A', 'L', 'L', VK_SPACE, 'M', 'O', 'N', 'D', 'A', 'Y'}) {
            press(form, key);
        }
    } else {
        clickAt(form, form.control(Control::Combo4));
        press(form, VK_DOWN);
        press(form, VK_ESCAPE);
        click(form.control(Control::Count_BTN));
    }
    settle();
    return capture(form.handle());
}

Image sideBySide(const Image& left, const Image& right) {
    Image sheet{left.width + right.width, std::max(left.height, right.height), {}};
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height), 0xFFFFFFFF);
    paste(sheet, left, 0, 0);
    paste(sheet, right, left.width, 0);
    return sheet;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    const std::wstring mode = argc > 2 ? argv[1] : L"";
    bool saved = false;
    if (mode == L"sheet") {
        saved = save(everyLanguage(), argv[2]);
    } else if (mode == L"message") {
        saved = save(chineseMessage(), argv[2]);
    } else if (mode == L"typed" || mode == L"escape") {
        saved = save(afterKeys(mode == L"typed"), argv[2]);
    } else if (mode == L"join" && argc == 5) {
        const Image left = load(argv[3]);
        const Image right = load(argv[4]);
        saved = left.width > 0 && right.width > 0 && save(sideBySide(left, right), argv[2]);
    } else {
        std::fprintf(stderr, "usage: kolvex-win32-screenshots sheet|message|typed|escape <out.png> | join <out.png> "
                             "<left.png> <right.png>\n");
        return 2;
    }
    std::fprintf(saved ? stdout : stderr, "%s %ls\n", saved ? "saved" : "could not save", argv[2]);
    return saved ? 0 : 1;
}
