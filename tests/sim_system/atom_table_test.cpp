#include "sim/system/sim_atom_table.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora::sim {
namespace {

TEST(SimAtomTable, CountsReferencesAcrossSpellingsAndRecordsFailedDeletes) {
  SimAtomTable atoms;
  const std::uint16_t first = atoms.add("VBSHOYKEY1");
  EXPECT_GE(first, kFirstStringAtom);
  EXPECT_EQ(atoms.add("vbshoykey1"), first);
  EXPECT_EQ(atoms.count("VbShoyKey1"), 2U);
  EXPECT_TRUE(atoms.deleteAtom(first));
  EXPECT_EQ(atoms.find("VBSHOYKEY1"), first);
  EXPECT_TRUE(atoms.deleteAtom(first));
  EXPECT_EQ(atoms.find("VBSHOYKEY1"), 0);
  // A third delete of the same atom is a fault of the caller, not a silent success.
  EXPECT_FALSE(atoms.deleteAtom(first));
  atoms.remove(first);
  atoms.remove(0);
  EXPECT_EQ(atoms.failedDeletes(), 2U);
}

} // namespace
} // namespace velmora::sim
