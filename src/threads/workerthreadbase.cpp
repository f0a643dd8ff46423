#include "threads/workerthreadbase.h"

TWorkerThreadBase::TWorkerThreadBase(TComponent* AOwner) : TComponent(AOwner) {}

TWorkerThreadBase::~TWorkerThreadBase() = default;

void TWorkerThreadBase::SetThreadGroup(TWorkerThreadGroup* Value) {
  if (Value == FThreadGroup) return;
  if (FThreadGroup != nullptr) LeaveGroup(FThreadGroup);
  FThreadGroup = nullptr;
  if (Value != nullptr && JoinGroup(Value)) FThreadGroup = Value;
}
