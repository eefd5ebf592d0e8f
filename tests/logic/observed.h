// What a table row observed of a string list and of the boxes shown, as text to compare.
#pragma once

#include "containers/string_list.h"
#include "support/box_recorder.h"

// The items between '|'.
inline std::string ItemsOf(const QStrings& List) {
    std::string items;
    for (int i = 0; i < List.Count(); ++i)
        items += (i ? "|" : "") + List.Item(i);
    return items;
}

// Each box shown, after a space, as "Caption: Text".
inline std::string BoxesOf(const BoxRecorder& Recorder) {
    std::string boxes;
    for (const CaughtBox& box : Recorder.Boxes())
        boxes += " " + box.Caption + ": " + box.Text;
    return boxes;
}
