#include "threads/ethread.h"

EThread::EThread(const std::string& AMessage) : std::runtime_error(AMessage) {}
