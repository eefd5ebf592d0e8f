#include "containers/panel.h"
#include "containers/code_page.h"

#include "containers/paths.h"
#include "object/window_class.h"

namespace {

const UINT CaptionFormats[] = {
    DT_SINGLELINE | DT_VCENTER,
    DT_SINGLELINE | DT_VCENTER | DT_CENTER,
    DT_SINGLELINE | DT_VCENTER | DT_RIGHT,
    DT_EDITCONTROL | DT_WORDBREAK | DT_VCENTER,
    DT_EDITCONTROL | DT_WORDBREAK | DT_VCENTER | DT_CENTER,
    DT_EDITCONTROL | DT_WORDBREAK | DT_VCENTER | DT_RIGHT,
};

const UINT EdgeKinds[] = {EDGE_SUNKEN, EDGE_RAISED, EDGE_BUMP}; // border styles 2, 3, 4

// The image type LoadImageA takes for an extension; -1 for extensions the panel does not load.
int ImageTypeOf(const std::string& Extension) {
    const struct {
        const char* Lower;
        const char* Upper;
        int Type;
    } types[] = {{".bmp", ".BMP", IMAGE_BITMAP},
                 {".ico", ".ICO", IMAGE_ICON},
                 {".cur", ".CUR", IMAGE_CURSOR},
                 {".png", ".PNG", IMAGE_ENHMETAFILE}};
    for (const auto& type : types)
        if (Extension == type.Lower || Extension == type.Upper) return type.Type;
    return -1;
}

// Frees an image the panel loaded, by what kind of object it is.
void ReleaseImage(HANDLE Image) {
    if (!Image) return;
    switch (GetObjectType(Image)) {
    case OBJ_BITMAP:
        DeleteObject(Image);
        return;
    case OBJ_ENHMETAFILE:
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(Image));
        return;
    }
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(Image), &info)) return;
    // GetIconInfo hands out copies of the image's bitmaps.
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.fIcon)
        DestroyIcon(static_cast<HICON>(Image));
    else
        DestroyCursor(static_cast<HCURSOR>(Image));
}

bool CanOpenForReading(const std::string& FileName) {
    HANDLE file = CreateFileA(FileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace

QCustomPanel::QCustomPanel() {
    FClassName = "QPanel";
}

QCustomPanel::~QCustomPanel() {
    ReleaseImage(ImageHandle);
}

void QCustomPanel::SetBorderStyle(int Value) {
    FBorderStyle = Value >= 5 ? bsNone : Value;
    Refresh();
}

void QCustomPanel::SetAlignment(int Value) {
    FAlignment = Value > 5 ? 0 : Value;
}

void QCustomPanel::SetImage(const std::string& FileName) {
    FImage = FileName;
    if (!CanOpenForReading(FileName)) return;
    int type = ImageTypeOf(ExtensionOf(FileName));
    if (type >= 0) {
        // The panel owns what it loads: the image it replaces is freed, not leaked.
        HANDLE previous = ImageHandle;
        ImageHandle = LoadImageA(nullptr, FileName.c_str(), type, 0, 0, LR_LOADFROMFILE);
        if (previous != ImageHandle) ReleaseImage(previous);
    }
    Refresh();
}

void QCustomPanel::HandleMessage(QMessage& Message) {
    if (Message.Msg == WM_PAINT) return Paint(Message);
    QFrame::HandleMessage(Message);
    if (Message.Msg == QM_CTLCOLOR) AnswerColorRequest(Message);
    if (Message.Msg == WM_LBUTTONDOWN) Message.Result = 0;
}

// The paint events run before and after the panel's own drawing. The border and caption are
// drawn before default processing validates the window, so that they reach the screen.
void QCustomPanel::Paint(QMessage& Message) {
    HandlePaint(Message);
    DrawBorderAndCaption();
    QFrame::HandleMessage(Message);
    Message.Result = 0;
}

void QCustomPanel::DrawBorderAndCaption() {
    PAINTSTRUCT paint;
    Canvas.SetDC(BeginPaint(FHandle, &paint));
    FClientRect = paint.rcPaint;
    // The style is written only when it changes: each write redraws the window frame.
    uint32_t exStyle = ExStyle();
    if (FBorderStyle == bsClientEdge) exStyle |= WS_EX_CLIENTEDGE;
    if (FBorderStyle >= bsSunken && FBorderStyle <= bsBump) exStyle &= ~WS_EX_CLIENTEDGE;
    if (exStyle != ExStyle()) SetExStyle(exStyle);
    UINT format = FAlignment >= 0 && FAlignment <= 5 ? CaptionFormats[FAlignment] : 0;
    // Only the borders the panel draws itself widen the caption's rectangle.
    if (FBorderStyle >= bsSunken && FBorderStyle <= bsBump) {
        DrawEdge(Canvas.DC(), &FClientRect, EdgeKinds[FBorderStyle - bsSunken], BF_RECT);
        InflateRect(&FClientRect, 2, 2);
    }
    {
        // As the canvas draws text: in the panel's font, put back before the context goes, and
        // in a multi-byte code page as the page spells it, not as the font's character set
        // reads the bytes.
        QFontSelection text(Canvas.DC(), ShownFont());
        if (MultiByteCodePage())
            DrawTextW(Canvas.DC(), WideOf(Text()).c_str(), -1, &FClientRect, format);
        else
            DrawTextA(Canvas.DC(), Text().c_str(), -1, &FClientRect, format);
    }
    EndPaint(FHandle, &paint);
}

QPanel::QPanel() {
    FStyle = WS_CHILD;
    FExStyle = WS_EX_CONTROLPARENT;
    FWidth = 115;
    FHeight = 51;
    FAlignment = 4;
}

LRESULT CALLBACK PanelWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QPanel>(Window, Msg, WParam, LParam);
}

ATOM RegisterPanelClass() {
    return RegisterOwnClass("QPanel", &PanelWndProc, LibraryClassStyle, GetModuleHandleA(nullptr));
}
