// The Windows file store with a ReplaceFileW that the backend tests script,
// to see how it recovers from each error.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/file_store.h"

// ReplaceFileW(target, replacement) without a backup: ERROR_SUCCESS or its error.
using ReplaceCall = std::function<DWORD(const std::wstring& target, const std::wstring& replacement)>;

std::unique_ptr<FileStore> fileStoreReplacingWith(ReplaceCall call);
