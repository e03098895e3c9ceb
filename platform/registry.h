// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <typeindex>

namespace platform {

class Form;

// Every window class has at most one instance. It is made, and its Form_Load
// run, the first time anything asks for it; hiding keeps it; closing it with
// its close box destroys it, and the next request makes a new one.
template <class T> T& form();

// The instance if it exists, without making it.
template <class T> T* existingForm();

// Deletes every window there is, as at the end of a run; the next request
// makes each anew. Tests use it to start every case from program start.
void destroyAllForms();

Form* findForm(std::type_index type);
void registerForm(std::type_index type, Form* window);
void forgetForm(Form* window);

template <class T> T& form()
{
    if (Form* existing = findForm(typeid(T)))
        return static_cast<T&>(*existing);
    T* made = new T;
    registerForm(typeid(T), made);
    made->load();
    return *made;
}

template <class T> T* existingForm()
{
    return static_cast<T*>(findForm(typeid(T)));
}

} // namespace platform
