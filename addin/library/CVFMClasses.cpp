#include "addin/library/CVFMClasses.h"

#include "addin/TAddInModule.h"
#include "addin/library/CVFMTypeLib.h"
#include "addin/library/TeaCVFM.h"
#include "framework/hosting/TkvxFactory.h"

namespace corvane::addin {

std::unique_ptr<framework::TkvxCOMAddInModule> CreateAddInModule() { return std::make_unique<TAddInModule>(); }

framework::TkvxFactory& CreateCVFMFactory(framework::TkvxComServer& Server) {
  return framework::TkvxFactory::Create(Server, &CreateTeaCVFM, kEaCVFMClassId, &CreateAddInModule);
}

}  // namespace corvane::addin
