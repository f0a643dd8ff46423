#include "threads/criticalsection.h"

void TCriticalSection::Enter() { FMutex.lock(); }

void TCriticalSection::Leave() { FMutex.unlock(); }

bool TCriticalSection::TryEnter() { return FMutex.try_lock(); }
