/// \file
/// Root classes of the component library: QObject (a named object holding a list of other
/// objects) and QClassObject (an object bound to a window and a window class).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class QObject;
class QFrame;
struct QMessage;

using QObjectEvent = void (*)(QObject* Sender);

/// A list of pointers with identity search that refuses duplicates and keeps its order.
template <class T> class QPtrList {
public:
    int Count() const { return static_cast<int>(Items.size()); }

    /// The entry at Index, or null when Index is out of range.
    T* At(int Index) const { return Index >= 0 && Index < Count() ? Items[Index] : nullptr; }

    int IndexOf(const void* Item) const {
        for (int i = 0; i < Count(); ++i)
            if (Items[i] == Item) return i;
        return -1;
    }

    /// A null entry would be called through by every walk of the list: it is never added.
    void Add(T* Item) {
        if (Item && IndexOf(Item) < 0) Items.push_back(Item);
    }

    void Remove(const void* Item) {
        int i = IndexOf(Item);
        if (i >= 0) Items.erase(Items.begin() + i);
    }

private:
    std::vector<T*> Items;
};

class QObject {
public:
    QObject() = default;
    ~QObject();
    QObject(const QObject&) = delete;
    QObject& operator=(const QObject&) = delete;

    /// The component's name; every assignment raises OnNameChange.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);

    /// The object list: objects hung under this one. It does not own them; a destroyed object
    /// leaves every list that named it.
    int ObjectCount() const { return FObjects.Count(); }
    QObject* Objects(int Index) const { return FObjects.At(Index); }
    void AddObject(QObject* P);
    void RemoveObject(QObject* P);
    int IndexOfObject(QObject* P) const { return FObjects.IndexOf(P); }

    int Reserved1 = 0;
    int Reserved2 = 0;
    QObjectEvent OnNameChange = nullptr;

protected:
    /// A field of an object that points at the object holding it: cleared when the holder is
    /// destroyed, so the field never names freed memory.
    static void WatchHolder(QObject** Field);
    static void UnwatchHolder(QObject** Field);

private:
    QPtrList<QObject> FObjects;
    std::string FName;
};

/// An object bound to a window of a window class; declares the virtual operations that every
/// windowed component implements, in this slot order.
class QClassObject : public QObject {
public:
    virtual void Initialize() = 0;
    /// Registers ClassName as a class derived from ClassAncestor; answers the atom or 0.
    virtual ATOM RegisterWindowClass(WNDPROC WndProc) = 0;
    virtual void CreateHandle() = 0;
    virtual void RecreateHandle() = 0;
    virtual void DestroyHandle() = 0;
    virtual void HandleMessage(QMessage& Message) = 0;
    virtual void DefaultHandler(QMessage& Message) = 0;
    virtual QClassObject* Self() = 0;
    virtual ~QClassObject() = default;

    /// The component's window; 0 when it has none. Plain field access.
    HWND Handle() const { return FHandle; }
    void SetHandle(HWND Value) { FHandle = Value; }

    /// The library window class the component creates, and the system class it derives from.
    const std::string& ClassName() const { return FClassName; }
    void SetClassName(const std::string& Value) { FClassName = Value; }
    const std::string& ClassAncestor() const { return FClassAncestor; }
    void SetClassAncestor(const std::string& Value) { FClassAncestor = Value; }

    int Reserved3 = 0;

protected:
    HWND FHandle = nullptr;
    std::string FClassName;
    std::string FClassAncestor;
};
