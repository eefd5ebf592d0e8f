// C++ for a designed form, in two classes. NameDesign (NameDesign.h and .cpp) is rewritten on
// every Generate: a QForm subclass whose members are the placed components, set up, parented
// in creation order, filled and wired the way a hand-written form (QMyFrame) does it, with one
// virtual handler per wired event that does nothing. Name (Name.h and .cpp) is the user's class:
// it derives from NameDesign and overrides the handlers the form had when it was first
// generated, and is written only when it does not exist. A handler wired later needs no change
// of the user's files: the user overrides it when there is something to do.
//
// Events are plain function pointers whose first argument is the component, so each wired event
// is a captureless lambda that walks the Parent chain from Sender to the first frame that is a
// NameDesign and calls the handler on it.
#pragma once

#include "core_library.h"
#include "form_model.h"

#include <string>

struct GeneratedFiles {
    std::string DesignHeader, DesignSource; // always written
    std::string UserHeader, UserSource;     // written only when missing
};

GeneratedFiles GenerateForm(const FormModel& Model, const CoreLibrary& Core);

// What keeps the form's handlers from being generated: one name given to events of different
// parameters, or a handler named like a component or the form's class; "" when nothing does.
std::string HandlerConflict(const FormModel& Model, const CoreLibrary& Core);
