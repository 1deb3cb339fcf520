// Gives the framework tests a factory of the library's own kind.
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"
#include "framework/TFactory.h"

CitI::IFactory* NewPartitionFactoryForTest() { return new CitP::TFactory<ZorE::Partition>(); }
CitI::IFactory* NewPinFactoryForTest() { return new CitP::TFactory<ZorE::PartitionPin>(); }
