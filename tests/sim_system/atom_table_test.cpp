#include "sim/system/sim_atom_table.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora::sim {
namespace {

TEST(SimAtomTable, CountsReferencesAcrossSpellings) {
  SimAtomTable atoms;
  const std::uint16_t first = atoms.add("VBSHOYKEY1");
  EXPECT_GE(first, kFirstStringAtom);
  EXPECT_EQ(atoms.add("vbshoykey1"), first);
  EXPECT_EQ(atoms.count("VbShoyKey1"), 2U);
  EXPECT_EQ(atoms.name(first), "VBSHOYKEY1");
  EXPECT_NE(atoms.add("VBSHOYKEY2"), first);
  EXPECT_EQ(atoms.size(), 2U);

  EXPECT_TRUE(atoms.deleteAtom(first));
  EXPECT_EQ(atoms.find("VBSHOYKEY1"), first);
  EXPECT_TRUE(atoms.deleteAtom(first));
  EXPECT_EQ(atoms.find("VBSHOYKEY1"), 0);
  EXPECT_EQ(atoms.count("VBSHOYKEY1"), 0U);
  EXPECT_EQ(atoms.size(), 1U);

  // A third delete of the same atom is a fault of the caller, not a silent success.
  EXPECT_FALSE(atoms.deleteAtom(first));
  atoms.remove(first);
  atoms.remove(0);
  EXPECT_EQ(atoms.failedDeletes(), 2U);
}

TEST(SimAtomTable, FreedValueIsGivenToTheNextNewName) {
  SimAtomTable atoms;
  const std::uint16_t a = atoms.add("A");
  const std::uint16_t b = atoms.add("B");
  atoms.remove(a);
  EXPECT_EQ(atoms.add("C"), a);
  EXPECT_EQ(atoms.find("B"), b);
  EXPECT_EQ(atoms.find("A"), 0);
}

TEST(SimAtomTable, RejectsBadNamesAndKeepsIntegerAtomsOutOfTheTable) {
  SimAtomTable atoms;
  EXPECT_EQ(atoms.add(""), 0);
  EXPECT_EQ(atoms.add(std::string(kMaxAtomName + 1, 'x')), 0);
  EXPECT_GE(atoms.add(std::string(kMaxAtomName, 'x')), kFirstStringAtom);

  EXPECT_EQ(atoms.add("#100"), 100);
  EXPECT_EQ(atoms.add("#0"), 0);
  EXPECT_EQ(atoms.add("#49152"), 0);
  EXPECT_EQ(atoms.add("#99999999999999999999"), 0);
  EXPECT_TRUE(atoms.deleteAtom(100));
  EXPECT_GE(atoms.add("#12a"), kFirstStringAtom);
  EXPECT_EQ(atoms.size(), 2U);
}

} // namespace
} // namespace velmora::sim
