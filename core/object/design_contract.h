/// \file
/// What a form designer asks core.dll about a class beyond its name: the values a new component
/// of it is placed with, whether it holds other components, and its events.
#pragma once

/// The description of ClassName as lines of "Name=Value", each ending in a line feed:
/// \verbatim
///   Style=<hex>, ExStyle=<hex>   the styles a new one gets besides WS_CHILD and WS_VISIBLE
///   Width=<n>, Height=<n>        the size it is placed at
///   Holds=0|1                    whether components may be placed inside it
///   Event=<name>(<parameters>)   one line per event, with the handler's parameters
/// \endverbatim
/// Null for a class the library has no component of. The text lives as long as the library.
const char* DesignClassText(const char* ClassName);
