// Gives the framework tests a factory of the library's own kind.
#include "CitP/TFactory.h"
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"

CitI::IFactory* NewPartitionFactoryForTest() { return new CitP::TFactory<ZorE::Partition>(); }
CitI::IFactory* NewPinFactoryForTest() { return new CitP::TFactory<ZorE::PartitionPin>(); }
