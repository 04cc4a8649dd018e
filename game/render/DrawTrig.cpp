#include <array>

#include "game/render/Draw.h"

namespace sk {
namespace {

// cos(2 pi i / 256), exactly the doubles the game has always turned and waved its pictures
// with. Written out rather than asked of the C library, whose last bit differs between
// processors: one bit is enough to move a rounded pixel, and every frame must be the same
// on every machine.
constexpr std::array<double, 256> kCosTable = {
    0x1p+0, 0x1.ffd886084cd0dp-1, 0x1.ff621e3796d7ep-1, 0x1.fe9cdad01883ap-1,
    0x1.fd88da3d12526p-1, 0x1.fc26470e19fd3p-1, 0x1.fa7557f08a517p-1, 0x1.f8764fa714ba9p-1,
    0x1.f6297cff75cbp-1, 0x1.f38f3ac64e589p-1, 0x1.f0a7efb9230d7p-1, 0x1.ed740e7684963p-1,
    0x1.e9f4156c62ddap-1, 0x1.e6288ec48e112p-1, 0x1.e212104f686e5p-1, 0x1.ddb13b6ccc23dp-1,
    0x1.d906bcf328d46p-1, 0x1.d4134d14dc93ap-1, 0x1.ced7af43cc773p-1, 0x1.c954b213411f5p-1,
    0x1.c38b2f180bdb1p-1, 0x1.bd7c0ac6f952ap-1, 0x1.b728345196e3ep-1, 0x1.b090a581502p-1,
    0x1.a9b66290ea1a3p-1, 0x1.a29a7a0462782p-1, 0x1.9b3e047f38741p-1, 0x1.93a22499263fcp-1,
    0x1.8bc806b151741p-1, 0x1.83b0e0bff976ep-1, 0x1.7b5df226aafafp-1, 0x1.72d0837efff97p-1,
    0x1.6a09e667f3bcdp-1, 0x1.610b7551d2cdfp-1, 0x1.57d69348cec9fp-1, 0x1.4e6cabbe3e5e9p-1,
    0x1.44cf325091dd6p-1, 0x1.3affa292050b9p-1, 0x1.30ff7fce17036p-1, 0x1.26d054cdd12dfp-1,
    0x1.1c73b39ae68c9p-1, 0x1.11eb3541b4b23p-1, 0x1.073879922ffedp-1, 0x1.f8ba4dbf89abbp-2,
    0x1.e2b5d3806f63ep-2, 0x1.cc66e9931c45ep-2, 0x1.b5d1009e15cc2p-2, 0x1.9ef7943a8ed8ap-2,
    0x1.87de2a6aea964p-2, 0x1.7088530fa45a1p-2, 0x1.58f9a75ab1fddp-2, 0x1.4135c94176603p-2,
    0x1.294062ed59f05p-2, 0x1.111d262b1f678p-2, 0x1.f19f97b215f1ep-3, 0x1.c0b826a7e4f62p-3,
    0x1.8f8b83c69a60dp-3, 0x1.5e214448b3fcbp-3, 0x1.2c8106e8e613ap-3, 0x1.f564e56a97314p-4,
    0x1.917a6bc29b438p-4, 0x1.2d52092ce19f8p-4, 0x1.91f65f10dd824p-5, 0x1.92155f7a36677p-6,
    0x1.1a62633145c07p-54, -0x1.92155f7a36654p-6, -0x1.91f65f10dd813p-5, -0x1.2d52092ce19efp-4,
    -0x1.917a6bc29b42fp-4, -0x1.f564e56a9730bp-4, -0x1.2c8106e8e6136p-3, -0x1.5e214448b3fc7p-3,
    -0x1.8f8b83c69a608p-3, -0x1.c0b826a7e4f5ep-3, -0x1.f19f97b215f1ap-3, -0x1.111d262b1f676p-2,
    -0x1.294062ed59f02p-2, -0x1.4135c941766p-2, -0x1.58f9a75ab1fdbp-2, -0x1.7088530fa459fp-2,
    -0x1.87de2a6aea962p-2, -0x1.9ef7943a8ed88p-2, -0x1.b5d1009e15cbcp-2, -0x1.cc66e9931c46p-2,
    -0x1.e2b5d3806f63cp-2, -0x1.f8ba4dbf89ab9p-2, -0x1.073879922ffedp-1, -0x1.11eb3541b4b21p-1,
    -0x1.1c73b39ae68c6p-1, -0x1.26d054cdd12dfp-1, -0x1.30ff7fce17035p-1, -0x1.3affa292050b8p-1,
    -0x1.44cf325091dd5p-1, -0x1.4e6cabbe3e5e7p-1, -0x1.57d69348cecap-1, -0x1.610b7551d2cdfp-1,
    -0x1.6a09e667f3bccp-1, -0x1.72d0837efff95p-1, -0x1.7b5df226aafadp-1, -0x1.83b0e0bff976ep-1,
    -0x1.8bc806b151741p-1, -0x1.93a22499263fbp-1, -0x1.9b3e047f3874p-1, -0x1.a29a7a0462781p-1,
    -0x1.a9b66290ea1a4p-1, -0x1.b090a581502p-1, -0x1.b728345196e3dp-1, -0x1.bd7c0ac6f9529p-1,
    -0x1.c38b2f180bdbp-1, -0x1.c954b213411f4p-1, -0x1.ced7af43cc773p-1, -0x1.d4134d14dc93ap-1,
    -0x1.d906bcf328d46p-1, -0x1.ddb13b6ccc23cp-1, -0x1.e212104f686e4p-1, -0x1.e6288ec48e112p-1,
    -0x1.e9f4156c62ddap-1, -0x1.ed740e7684963p-1, -0x1.f0a7efb9230d7p-1, -0x1.f38f3ac64e588p-1,
    -0x1.f6297cff75cbp-1, -0x1.f8764fa714ba9p-1, -0x1.fa7557f08a517p-1, -0x1.fc26470e19fd3p-1,
    -0x1.fd88da3d12525p-1, -0x1.fe9cdad01883ap-1, -0x1.ff621e3796d7ep-1, -0x1.ffd886084cd0dp-1,
    -0x1p+0, -0x1.ffd886084cd0dp-1, -0x1.ff621e3796d7ep-1, -0x1.fe9cdad01883ap-1,
    -0x1.fd88da3d12526p-1, -0x1.fc26470e19fd3p-1, -0x1.fa7557f08a517p-1, -0x1.f8764fa714baap-1,
    -0x1.f6297cff75cbp-1, -0x1.f38f3ac64e589p-1, -0x1.f0a7efb9230d7p-1, -0x1.ed740e7684964p-1,
    -0x1.e9f4156c62ddbp-1, -0x1.e6288ec48e113p-1, -0x1.e212104f686e5p-1, -0x1.ddb13b6ccc23dp-1,
    -0x1.d906bcf328d47p-1, -0x1.d4134d14dc93ap-1, -0x1.ced7af43cc774p-1, -0x1.c954b213411f5p-1,
    -0x1.c38b2f180bdb1p-1, -0x1.bd7c0ac6f952ap-1, -0x1.b728345196e3ep-1, -0x1.b090a58150201p-1,
    -0x1.a9b66290ea1a5p-1, -0x1.a29a7a0462782p-1, -0x1.9b3e047f38741p-1, -0x1.93a22499263fcp-1,
    -0x1.8bc806b151742p-1, -0x1.83b0e0bff977p-1, -0x1.7b5df226aafafp-1, -0x1.72d0837efff97p-1,
    -0x1.6a09e667f3bcep-1, -0x1.610b7551d2cep-1, -0x1.57d69348ceca2p-1, -0x1.4e6cabbe3e5ecp-1,
    -0x1.44cf325091ddap-1, -0x1.3affa292050bdp-1, -0x1.30ff7fce17033p-1, -0x1.26d054cdd12dep-1,
    -0x1.1c73b39ae68c8p-1, -0x1.11eb3541b4b23p-1, -0x1.073879922ffeep-1, -0x1.f8ba4dbf89abdp-2,
    -0x1.e2b5d3806f63fp-2, -0x1.cc66e9931c464p-2, -0x1.b5d1009e15cc7p-2, -0x1.9ef7943a8ed93p-2,
    -0x1.87de2a6aea96dp-2, -0x1.7088530fa459bp-2, -0x1.58f9a75ab1fdbp-2, -0x1.4135c94176601p-2,
    -0x1.294062ed59f07p-2, -0x1.111d262b1f67ap-2, -0x1.f19f97b215f23p-3, -0x1.c0b826a7e4f6ep-3,
    -0x1.8f8b83c69a619p-3, -0x1.5e214448b3fd7p-3, -0x1.2c8106e8e614ep-3, -0x1.f564e56a972fdp-4,
    -0x1.917a6bc29b421p-4, -0x1.2d52092ce19f1p-4, -0x1.91f65f10dd816p-5, -0x1.92155f7a3669bp-6,
    -0x1.a79394c9e8a0ap-53, 0x1.92155f7a36631p-6, 0x1.91f65f10dd7e1p-5, 0x1.2d52092ce19d6p-4,
    0x1.917a6bc29b407p-4, 0x1.f564e56a972e3p-4, 0x1.2c8106e8e6141p-3, 0x1.5e214448b3fcap-3,
    0x1.8f8b83c69a60cp-3, 0x1.c0b826a7e4f61p-3, 0x1.f19f97b215f16p-3, 0x1.111d262b1f674p-2,
    0x1.294062ed59fp-2, 0x1.4135c941765fbp-2, 0x1.58f9a75ab1fd5p-2, 0x1.7088530fa4595p-2,
    0x1.87de2a6aea967p-2, 0x1.9ef7943a8ed8dp-2, 0x1.b5d1009e15cc1p-2, 0x1.cc66e9931c45ep-2,
    0x1.e2b5d3806f63ap-2, 0x1.f8ba4dbf89ab7p-2, 0x1.073879922ffecp-1, 0x1.11eb3541b4b2p-1,
    0x1.1c73b39ae68c5p-1, 0x1.26d054cdd12dbp-1, 0x1.30ff7fce17031p-1, 0x1.3affa292050bbp-1,
    0x1.44cf325091dd7p-1, 0x1.4e6cabbe3e5e9p-1, 0x1.57d69348cec9fp-1, 0x1.610b7551d2cdep-1,
    0x1.6a09e667f3bcbp-1, 0x1.72d0837efff94p-1, 0x1.7b5df226aafadp-1, 0x1.83b0e0bff976bp-1,
    0x1.8bc806b15173ep-1, 0x1.93a22499263f8p-1, 0x1.9b3e047f38742p-1, 0x1.a29a7a0462782p-1,
    0x1.a9b66290ea1a3p-1, 0x1.b090a581501ffp-1, 0x1.b728345196e3dp-1, 0x1.bd7c0ac6f9529p-1,
    0x1.c38b2f180bdafp-1, 0x1.c954b213411f3p-1, 0x1.ced7af43cc771p-1, 0x1.d4134d14dc938p-1,
    0x1.d906bcf328d44p-1, 0x1.ddb13b6ccc23dp-1, 0x1.e212104f686e5p-1, 0x1.e6288ec48e112p-1,
    0x1.e9f4156c62ddap-1, 0x1.ed740e7684963p-1, 0x1.f0a7efb9230d7p-1, 0x1.f38f3ac64e588p-1,
    0x1.f6297cff75cafp-1, 0x1.f8764fa714ba8p-1, 0x1.fa7557f08a516p-1, 0x1.fc26470e19fd3p-1,
    0x1.fd88da3d12526p-1, 0x1.fe9cdad01883ap-1, 0x1.ff621e3796d7ep-1, 0x1.ffd886084cd0dp-1,
};

}  // namespace

double Cos256(int index) { return kCosTable[static_cast<unsigned>(index) & 255u]; }
double Sin256(int index) { return Cos256((index & 255) + 192); }

}  // namespace sk
