// Every control a test or a style sheet finds carries its name from birth.
#pragma once

#include <QString>

namespace nyra {

// `object` with its objectName set, for creating and naming in one line.
template <class T>
T* Named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

}  // namespace nyra
