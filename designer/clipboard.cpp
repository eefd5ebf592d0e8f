#include "clipboard.h"

#include <cstring>
#include <map>

namespace {

constexpr int PasteStep = 8;
// Another process of the designer may hold the clipboard for a moment.
constexpr int OpenTries = 20;

UINT ComponentsFormat() {
    static const UINT format = RegisterClipboardFormatA("Velmora form components");
    return format;
}

// The clipboard, open for as long as this lives.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND Owner) {
        for (int i = 0; i < OpenTries && !(Open = OpenClipboard(Owner)); ++i)
            Sleep(10);
    }
    ~OpenClipboardScope() {
        if (Open) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return Open; }

private:
    bool Open = false;
};

// A global memory block's bytes, locked for as long as this lives.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL Memory)
        : Memory(Memory), Bytes(Memory ? static_cast<char*>(GlobalLock(Memory)) : nullptr) {}
    ~LockedMemory() {
        if (Bytes) GlobalUnlock(Memory);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    char* Data() const { return Bytes; }
    size_t Size() const { return Bytes ? GlobalSize(Memory) : 0; }

private:
    HGLOBAL Memory;
    char* Bytes;
};

// Text ended by a zero in global memory, freed unless the clipboard took it.
class GlobalText {
public:
    explicit GlobalText(const std::string& Text)
        : Memory(GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1)) {
        LockedMemory bytes(Memory);
        if (bytes.Data()) memcpy(bytes.Data(), Text.c_str(), Text.size() + 1);
    }
    ~GlobalText() {
        if (Memory) GlobalFree(Memory);
    }
    GlobalText(const GlobalText&) = delete;
    GlobalText& operator=(const GlobalText&) = delete;
    // Hands the text to the open clipboard as Format; from then on the clipboard owns it.
    bool HandTo(UINT Format) {
        if (!Memory || !SetClipboardData(Format, Memory)) return false;
        Memory = nullptr;
        return true;
    }

private:
    HGLOBAL Memory;
};

// Button12 -> Button: the part of a name that numbering keeps.
std::string BaseName(const std::string& Name) {
    size_t end = Name.find_last_not_of("0123456789");
    return Name.substr(0, end == std::string::npos ? 0 : end + 1);
}

// The first multiple of the step that puts none of Copied's tops on the place of a component
// Holder holds already.
int FreeShift(const FormModel& Model, const FormModel& Copied, const std::string& Holder) {
    auto coversOne = [&](int Shift) {
        for (const ComponentRecord& top : Copied.Components)
            for (const ComponentRecord& held : Model.Components)
                if (top.Parent.empty() && held.Parent == Holder && held.Left == top.Left + Shift &&
                    held.Top == top.Top + Shift)
                    return true;
        return false;
    };
    int shift = PasteStep;
    while (coversOne(shift))
        shift += PasteStep;
    return shift;
}

} // namespace

FormModel CopyOf(const FormModel& Model, const std::vector<std::string>& Names) {
    std::vector<bool> taken(Model.Components.size());
    for (const std::string& name : Names)
        if (int index = Model.IndexOf(name); index >= 0)
            for (size_t held : Model.Subtree(static_cast<size_t>(index)))
                taken[held] = true;
    FormModel copy;
    for (size_t i = 0; i < taken.size(); ++i) {
        if (!taken[i]) continue;
        copy.Components.push_back(Model.Components[i]);
        ComponentRecord& copied = copy.Components.back();
        if (copy.IndexOf(copied.Parent) < 0) copied.Parent.clear();
    }
    // What is copied reads as a form of its own, whose links name only its own components.
    copy.ForgetBrokenLinks();
    return copy;
}

FormModel PasteInto(const FormModel& Model, const FormModel& Copied, const std::string& Holder,
                    std::vector<std::string>& Tops) {
    FormModel after = Model;
    int shift = FreeShift(Model, Copied, Holder);
    std::map<std::string, std::string> renamed;
    for (ComponentRecord pasted : Copied.Components) {
        std::string name =
            after.NameTaken(pasted.Name) ? after.FreeName(BaseName(pasted.Name)) : pasted.Name;
        renamed[pasted.Name] = name;
        pasted.Name = name;
        pasted.Id = after.FreeId();
        if (pasted.Parent.empty()) {
            pasted.Parent = Holder;
            pasted.Left += shift;
            pasted.Top += shift;
            KeepToFileRange(pasted);
            Tops.push_back(name);
        } else {
            pasted.Parent = renamed[pasted.Parent];
        }
        after.Components.push_back(std::move(pasted));
    }
    for (size_t i = Model.Components.size(); i < after.Components.size(); ++i)
        for (auto& link : after.Components[i].Links)
            link.second = renamed[link.second];
    return after;
}

bool WriteClipboard(HWND Owner, const std::string& Text) {
    OpenClipboardScope clipboard(Owner);
    GlobalText own(Text), plain(Text);
    return clipboard && EmptyClipboard() && own.HandTo(ComponentsFormat()) && plain.HandTo(CF_TEXT);
}

std::string ReadClipboard(HWND Owner) {
    OpenClipboardScope clipboard(Owner);
    if (!clipboard) return "";
    for (UINT format : {ComponentsFormat(), static_cast<UINT>(CF_TEXT)}) {
        LockedMemory text(GetClipboardData(format));
        if (text.Data()) return std::string(text.Data(), strnlen(text.Data(), text.Size()));
    }
    return "";
}
