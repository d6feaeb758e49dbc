// Runtime classes: kind tests, schemas, creation and look-up by name.
#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

namespace
{
class CTestShape : public CObject
{
    DECLARE_DYNAMIC(CTestShape)
};

class CTestCircle : public CTestShape
{
    DECLARE_DYNCREATE(CTestCircle)

public:
    int m_nRadius = 5;
};

class CTestStoredCircle : public CTestCircle
{
    DECLARE_SERIAL(CTestStoredCircle)
};

// A stand-in archive: the extraction operator that DECLARE_SERIAL provides
// asks the archive for an object of the class.
struct FakeArchive
{
    const CRuntimeClass* m_pRequested = NULL;
    CObject* ReadObject(const CRuntimeClass* pClass)
    {
        m_pRequested = pClass;
        return pClass->m_pfnCreateObject();
    }
};
} // namespace

IMPLEMENT_DYNAMIC(CTestShape, CObject)
IMPLEMENT_DYNCREATE(CTestCircle, CTestShape)
IMPLEMENT_SERIAL(CTestStoredCircle, CTestCircle, 1)

TEST(RuntimeClass, KindTestsFollowTheBaseChain)
{
    CTestStoredCircle stored;
    CTestShape* pShape = &stored;
    EXPECT_EQ(RUNTIME_CLASS(CTestStoredCircle), pShape->GetRuntimeClass());
    EXPECT_TRUE(pShape->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pShape->IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_TRUE(pShape->IsKindOf(RUNTIME_CLASS(CTestCircle)));
    EXPECT_FALSE(pShape->IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_TRUE(RUNTIME_CLASS(CTestCircle)->IsDerivedFrom(RUNTIME_CLASS(CTestShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CTestShape)->IsDerivedFrom(RUNTIME_CLASS(CTestCircle)));
    EXPECT_EQ(&stored, DYNAMIC_DOWNCAST(CTestCircle, pShape));
    CObArray other;
    EXPECT_EQ(NULL, DYNAMIC_DOWNCAST(CTestCircle, &other));
}

TEST(RuntimeClass, RecordFields)
{
    const CRuntimeClass* pClass = RUNTIME_CLASS(CTestStoredCircle);
    EXPECT_STREQ("CTestStoredCircle", pClass->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CTestStoredCircle), pClass->m_nObjectSize);
    EXPECT_EQ(1u, pClass->m_wSchema);
    EXPECT_EQ(RUNTIME_CLASS(CTestCircle), pClass->m_pBaseClass);
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CTestShape)->m_wSchema);
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CTestCircle)->m_wSchema);
    EXPECT_EQ(NULL, RUNTIME_CLASS(CObject)->m_pBaseClass);
    CTestStoredCircle stored;
    CTestShape shapeless;
    EXPECT_TRUE(stored.IsSerializable());
    EXPECT_FALSE(shapeless.IsSerializable());
}

TEST(RuntimeClass, CreationDirectAndByName)
{
    EXPECT_EQ(NULL, RUNTIME_CLASS(CTestShape)->CreateObject());

    CObject* pObject = RUNTIME_CLASS(CTestCircle)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(RUNTIME_CLASS(CTestCircle), pObject->GetRuntimeClass());
    EXPECT_EQ(5, ((CTestCircle*)pObject)->m_nRadius);
    delete pObject;

    EXPECT_EQ(RUNTIME_CLASS(CTestStoredCircle), CRuntimeClass::FromName("CTestStoredCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(RUNTIME_CLASS(CStringArray), CRuntimeClass::FromName("CStringArray"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("ctestshape"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName(NULL));

    pObject = CRuntimeClass::CreateObject("CTestStoredCircle");
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTestStoredCircle)));
    delete pObject;
    EXPECT_EQ(NULL, CRuntimeClass::CreateObject("CTestShape"));
}

TEST(RuntimeClass, EveryImplementedClassIsInTheList)
{
    int nFound = 0;
    AfxLockClassList();
    for (CRuntimeClass* pClass = AfxGetFirstRuntimeClass(); pClass != NULL; pClass = pClass->m_pNextClass)
    {
        if (pClass == RUNTIME_CLASS(CTestShape) || pClass == RUNTIME_CLASS(CTestCircle) ||
            pClass == RUNTIME_CLASS(CTestStoredCircle))
            ++nFound;
    }
    AfxUnlockClassList();
    EXPECT_EQ(3, nFound);
}

TEST(RuntimeClass, SerialExtractionAsksTheArchiveForTheClass)
{
    FakeArchive archive;
    CTestStoredCircle* pCircle = NULL;
    archive >> pCircle;
    EXPECT_EQ(RUNTIME_CLASS(CTestStoredCircle), archive.m_pRequested);
    ASSERT_NE(nullptr, pCircle);
    delete pCircle;
}
