#pragma once

// Lookups the form tests make in either window's description.

#include "FormDescription.h"

#include <stdexcept>
#include <string>
#include <vector>

// The named control; a missing one fails the test with its name.
inline const TControlDesc &ControlNamed(const TFormDesc &form, const char *name)
{
    const TControlDesc *c = FindControl(form, name);
    if (c == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *c;
}

// Names of the controls shown on a screen, in form order.
inline std::vector<std::string> ControlNamesOn(const TFormDesc &form, int screen)
{
    std::vector<std::string> names;
    for (const TControlDesc &c : form.Controls)
        if (c.Screens.Contains(screen))
            names.emplace_back(c.Name);
    return names;
}

// Names of all controls, in form order.
inline std::vector<std::string> ControlNames(const TFormDesc &form)
{
    std::vector<std::string> names;
    for (const TControlDesc &c : form.Controls)
        names.emplace_back(c.Name);
    return names;
}
