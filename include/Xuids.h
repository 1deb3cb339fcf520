// Every identity the partition library implements or asks for, in one list.
// Texts stand exactly as the library has always written them (either letter
// case); the two words of each are computed from the text at compile time, so
// a text and its words cannot drift apart.
//
// Xuids::ZavU_IPartition is the identity's words; Xuids::Text::ZavU_IPartition
// its text.
#pragma once

#include "Port/XUID.h"

// X(name, text) for identities the library and its host share.
// clang-format off
#define ZORE_XUID_TABLE(X)                                                                  \
  /* component classes */                                                                   \
  X(ZorE_Partition, "{5d0ffae9-0919-45e9-9f89-3775737fbc86}")                               \
  X(ZorE_PartitionPin, "{2c4cfe12-3096-490e-bf15-40cec3980408}")                            \
  /* interfaces the library implements */                                                   \
  X(CitI_IInterface, "{c569a982-87c5-4d45-8a2c-17b796723bdc}")                              \
  X(CommonI_IRefCount, "{f3524653-0fb8-4605-a6c1-6e80946a2cdd}")                            \
  X(CitI_IFactory, "{ce41bd14-86b2-417f-a704-35c0e5294564}")                                \
  X(Prjrep_IPersist, "{e01498e5-d7f8-41f9-ab72-45c28cefe8e0}")                              \
  X(ZavU_IPartition, "{c8b41d84-908a-4a9f-9880-9434e48d8d16}")                              \
  X(ZavU_IXPartition, "{44f4a185-72d3-4c47-b717-420bb60e21d1}")                             \
  X(ZavU_IPartitionFileTracking, "{e5e11496-3c0e-42fc-b9e5-3558f81cee15}")                  \
  X(ZavU_IPartitionHierarchy, "{96f1077b-d8d9-4a25-aa61-087d559e8b6a}")                     \
  X(ZavU_IPartitionHierarchySettable, "{0fdb284e-bd51-43b3-a432-61665558defd}")             \
  X(ZavU_IPartitionTimeTracking, "{510fd4ba-1ad7-459b-8bef-4e302fc4e644}")                  \
  X(ZavU_IReconfigAssocInfo, "{4aa5bbad-ffca-4c5c-8a45-cf321cf34f71}")                      \
  X(UtilI_ITclCollectable, "{dae8c38b-4c44-4839-9366-6c2227a85b8e}")                        \
  X(ZavU_IPartitionPin, "{f421af43-2506-4560-96ba-7a5e677db638}")                           \
  X(ZavU_IPPXPartition, "{002479ab-28e1-4d43-9a9a-ee525fa27258}")                           \
  X(ZavU_IPartitionPinIterator, "{e1340064-2ed1-48e7-97d1-4ee60d024320}")                   \
  /* interfaces and classes the library asks of other components */                         \
  X(Prjrep_IRefCount, "{80b45faf-a340-43e6-b60b-0435fadea5f3}")                             \
  X(Dpm_IProject, "{155462E3-6B65-42e1-94AB-FC281C0EF860}")                                 \
  X(Dpm_IProjectCompReference, "{c9b69cbc-0d15-4cc4-a24d-f403f60d77fd}")                    \
  X(Dpm_IProjectHelper, "{6002c9fe-bb9b-4ed7-9b78-d59cf0c04b07}")                           \
  X(Dpm_IPRModule, "{00f12fab-c9ae-4d51-8937-f9a40004a222}")                                \
  X(Dpm_IConfigurationElementIterator, "{7abd6e82-44f7-45e2-a3a4-80c3307a21e9}")            \
  X(Dpm_IPRSolutionHelper, "{1C0A7EEE-5297-4018-BCC4-C8D05742BA2F}")                        \
  X(Dpm_IPRModuleManager, "{54f08d8b-ce71-4518-8e51-a5ceb1dd4e46}")                         \
  X(Prjrep_IAutonymLookup, "{28ddfd92-7ae5-4cde-a460-00fbd85d4aec}")                        \
  X(Prjrep_IAutonym, "{63b9b761-7054-4db8-92b1-0570c0834fa4}")                              \
  X(Prjrep_ISaveAutonym, "{7b683c58-1a7a-4709-af51-fbb4ce380204}")                          \
  X(Prjrep_IName, "{02C092B4-7972-4bbe-8340-B370F411CC8F}")                                 \
  X(Prjrep_IProjectRepository, "{4acc753f-32b2-4730-96e6-8cf7f75dde8b}")                    \
  X(Dpm_IConfiguration, "{18469541-98f8-44bd-be25-dde97aed59bb}")                           \
  X(IDesignDataLookup, "{520c01e5-7bb2-40bf-ae09-94bc499fa19c}")                            \
  X(Class_AutonymLookup, "{4fed14a6-b46d-476d-8556-05048be1b55b}")                          \
  X(Class_Autonym, "{c6327cf3-ebf5-4a02-90ff-387e6c7d2f11}")                                \
  X(Class_AutonymSaver, "{791ed710-3d20-467e-8384-f42dfc37dcda}")                           \
  X(Class_PRSolutionHelper, "{46d13bb4-32d0-4956-ad01-ca173eb43e22}")                       \
  X(Class_CurrentProject, "{7d528480-1196-4635-aba9-639446e4aa59}")                         \
  X(Dpm_ICurrentProject, "{d611a294-6a12-4be0-8167-5590beb51670}")                          \
  X(Dpm_IPRProject, "{6335aa55-b75d-4f72-b32c-2091fe367cb1}")                               \
  X(Dpm_IHDProjectData, "{f358b3bb-63aa-4d89-a57e-507733c84974}")                           \
  X(Dpm_IUpToDate, "{872b013f-a236-49da-b486-adc0fd6d788e}")                                \
  X(Class_TclPropertyRegistry, "{28710473-d8d4-48c6-b908-d5855e4b6a00}")                    \
  X(Tcltask_ITclPropertyRegistry, "{4a051b34-f0f4-4b80-bc1e-05e8974ac7bc}")                 \
  X(Class_TclPropertyValue, "{b11df61f-8709-474f-888e-1bf685b73570}")                       \
  X(Tcltask_ITclPropertyValue, "{bca27424-504c-4ada-b2a9-4825c6dc2b97}")                    \
  X(Class_TclCollection, "{75296840-e2df-427e-8c75-9384f369fc20}")                          \
  X(Tcltask_ITclCollection, "{4c7348f9-2fcf-453d-a438-6bdc6ea20d89}")                       \
  X(Tcltask_ITclCollectionResult, "{c1e375bf-2520-4a75-ae64-be219abb78f8}")                 \
  X(Class_PartitionHelper, "{e9c2f8c2-5f01-449b-a371-19b963b5b906}")                        \
  X(ZavU_IPartitionHelper, "{39e7ce9b-f0f3-4520-960e-0fc9bad4621b}")                        \
  /* interfaces our host hands the library directly: the library never asks for */        \
  /* them, the host uses them for its own lookups */                                        \
  X(Dpm_IHDProject, "{a3e0c1d2-5b7f-4e8a-9c61-0d2f4b6e8a17}")                               \
  X(Dpm_IPartitionIterator, "{b8d2e4f6-1a3c-4e5b-8d7f-9a1b3c5d7e9f}")                       \
  X(Dpm_IConfigurationElement, "{c4e6a8b0-2d4f-4a6c-8e0a-1b3d5f7a9c2e}")                    \
  X(Prjrep_IPersistStream, "{d9f1b3c5-7e9a-4b2d-a4f6-8c0e2a4b6d8f}")                        \
  X(Dpm_IString, "{e2a4c6e8-0b2d-4f6a-8c1e-3a5c7e9b1d4f}")                                  \
  X(Dpm_IStringIterator, "{f5b7d9f1-3c5e-4a7b-9d2f-4b6d8f0a2c5e}")

// clang-format on

namespace Xuids {
#define ZORE_XUID_WORDS(name, text) \
  inline constexpr Port::XuidWords name = Port::XuidFromText(text);
ZORE_XUID_TABLE(ZORE_XUID_WORDS)
#undef ZORE_XUID_WORDS

namespace Text {
#define ZORE_XUID_TEXT(name, text) inline constexpr const char* name = text;
ZORE_XUID_TABLE(ZORE_XUID_TEXT)
#undef ZORE_XUID_TEXT
}  // namespace Text
}  // namespace Xuids
