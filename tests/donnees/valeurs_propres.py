# Eigenvalues at 40 digits (mpmath) of the test matrices of the QR algorithm,
# with the condition number of each value: |y| |x| / |y^H x| from its left
# and right eigenvectors.
from mpmath import mp, mpf, mpc, matrix, eig, fabs, sqrt
import random
mp.dps = 40
random.seed(39)
cas = []
for n in range(5, 11):
    cas.append((f"reelle{n}", [[random.randint(-9, 9) for _ in range(n)] for _ in range(n)]))
cas.append(("complexe5", [[complex(random.randint(-9, 9), random.randint(-9, 9)) for _ in range(5)] for _ in range(5)]))
# Five rotation blocks [a -b; b a] (values a ± bi), seen through a unit upper
# triangular change of basis with integer entries (its inverse is integer too).
blocs = [(1, 2), (-3, 1), (0, 4), (2, 5), (-1, 1)]
d = mp.zeros(10, 10)
for k, (a, b) in enumerate(blocs):
    d[2*k, 2*k], d[2*k, 2*k+1], d[2*k+1, 2*k], d[2*k+1, 2*k+1] = a, -b, b, a
t = mp.eye(10)
for i in range(10):
    for j in range(i + 1, 10):
        t[i, j] = random.randint(-2, 2)
r = t * d * t**-1
cas.append(("rotations10", [[int(mp.nint(r[i, j])) for j in range(10)] for i in range(10)]))
# The companion matrix of (x-1)(x-2)...(x-10).
coef = [mpf(1)]
for k in range(1, 11):
    coef = [c - k * p for c, p in zip(coef + [0], [0] + coef)]
comp = [[0] * 10 for _ in range(10)]
for i in range(1, 10):
    comp[i][i - 1] = 1
for i in range(10):
    comp[i][9] = -int(coef[10 - i])
cas.append(("compagnon10", comp))
cas.append(("hilbert10", [[f"1/{i + j + 1}" for j in range(10)] for i in range(10)]))
with open("valeurs-propres.txt", "w") as f:
    f.write("# name order, then the rows of A (a/b, or re:im), then per value: re im condition\n")
    for nom, m in cas:
        n = len(m)
        A = mp.zeros(n, n)
        for i in range(n):
            for j in range(n):
                v = m[i][j]
                if isinstance(v, str):
                    num, den = v.split("/")
                    A[i, j] = mpf(num) / mpf(den)
                else:
                    A[i, j] = mpc(v.real, v.imag) if isinstance(v, complex) else mpf(v)
        E, EL, ER = eig(A, left=True, right=True)
        f.write(f"{nom} {n}\n")
        for i in range(n):
            cells = []
            for v in m[i]:
                cells.append(f"{int(v.real)}:{int(v.imag)}" if isinstance(v, complex) else str(v))
            f.write(" ".join(cells) + "\n")
        for k in range(n):
            lam = E[k]
            x = [ER[q, k] for q in range(n)]
            y = [EL[k, q] for q in range(n)]
            nx = sqrt(sum(abs(v)**2 for v in x)); ny = sqrt(sum(abs(v)**2 for v in y))
            kappa = nx * ny / abs(sum(y[q] * x[q] for q in range(n)))
            f.write(f"{mp.nstr(mp.re(lam), 30)} {mp.nstr(mp.im(lam), 30)} {mp.nstr(kappa, 6)}\n")
print("ok")
