#include "app/SingleInstance.h"

SingleInstance::SingleInstance(const std::wstring& name) : mutex_(::CreateMutexW(nullptr, FALSE, name.c_str()))
{
    // A mutex that cannot be made at all is no reason to refuse the user.
    isOnly_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
}
