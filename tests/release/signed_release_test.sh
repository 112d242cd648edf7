#!/usr/bin/env bash
# tools/release --sign with a throwaway self-signed code-signing certificate made here:
# the release folder holds the signed setup.exe and a checksum file that `sha256sum -c`
# accepts; osslsigncode verifies the signature (SHA-256, the digest matches, signed by this
# certificate; the self-signed chain is reported untrusted, and is accepted once the
# certificate itself is trusted); and every failure leaves the release folder as it was.
# The release stays in the folder given, for the test that runs it under Wine.
#   signed_release_test.sh OUT
set -euo pipefail
out=$1
top=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

# The certificate: RSA 2048, for code signing, valid for two days.
subject="/CN=ZILT release test"
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "$subject" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
export SIGN_PASSWORD="test password"
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" \
  -passout env:SIGN_PASSWORD -out "$scratch/signer.pfx"
unset SIGN_TIMESTAMP_URL

release() {  # release LOG ARGUMENTS...: tools/release without its test run, into OUT
  local log=$1
  shift
  "$top/tools/release" --no-tests --out "$out" "$@" >"$log" 2>&1
}

echo "== signed release into $out"
rm -rf "$out"
if ! SIGN_PASSWORD="test password" release "$scratch/release.log" --sign "$scratch/signer.pfx"; then
  cat "$scratch/release.log" >&2
  echo "FAILED: tools/release --sign" >&2
  exit 1
fi
grep -v '^\[' "$scratch/release.log" || true
check "the release folder holds setup.exe and SHA256SUMS, nothing else" \
  test "$(cd "$out" && LC_ALL=C ls -A | tr '\n' ' ')" = "SHA256SUMS setup.exe "
check "SHA256SUMS is one line: the digest, two spaces, setup.exe" \
  grep -qxE '[0-9a-f]{64}  setup\.exe' "$out/SHA256SUMS"
check "SHA256SUMS has one line" test "$(wc -l <"$out/SHA256SUMS")" -eq 1
check "sha256sum -c accepts the release" bash -c "cd '$out' && sha256sum -c --strict SHA256SUMS"
check "tools/release says the self-signed chain is untrusted" \
  grep -q 'does not lead to a root this machine trusts' "$scratch/release.log"

echo "== osslsigncode verify, with the machine's trusted roots"
status=0
osslsigncode verify -in "$out/setup.exe" >"$scratch/verify.txt" 2>&1 || status=$?
cat "$scratch/verify.txt"
check "untrusted: the self-signed chain fails" test $status -ne 0
check "the chain fails only for being self-signed" grep -qi 'self.signed certificate' "$scratch/verify.txt"
check "the digest is SHA-256" grep -qE '^Message digest algorithm *: SHA256' "$scratch/verify.txt"
check "the file's digest matches the signed one" \
  bash -c "[ \"\$(grep '^Current message digest' '$scratch/verify.txt' | cut -d: -f2)\" = \
             \"\$(grep '^Calculated message digest' '$scratch/verify.txt' | cut -d: -f2)\" ]"
check "no mismatch" bash -c "! grep -q MISMATCH '$scratch/verify.txt'"
check "signed by the test certificate" grep -q "Subject: $subject" "$scratch/verify.txt"

echo "== osslsigncode verify, trusting the test certificate"
status=0
osslsigncode verify -in "$out/setup.exe" -CAfile "$scratch/cert.pem" >"$scratch/verify-trusted.txt" 2>&1 || status=$?
cat "$scratch/verify-trusted.txt"
check "verified once the certificate is trusted" test $status -eq 0
check "the signature verifies" grep -q '^Signature verification: ok' "$scratch/verify-trusted.txt"

# Failures: each leaves the release made above exactly as it was, and nothing beside it.
listing() { ls -lA --time-style=full-iso "$out"; cat "$out/SHA256SUMS"; sha256sum "$out/setup.exe"; }
siblings() { ls -A "$(dirname "$out")"; }
work_folders() { ls -d "$top"/build/release.* 2>/dev/null | sort || true; }
listing >"$scratch/listing-before.txt"
siblings >"$scratch/siblings-before.txt"
work_folders >"$scratch/work-before.txt"
cp "$scratch/cert.pem" "$scratch/not-a-pfx.pfx"

# Each case: what goes wrong | the message expected | the environment (for env) | arguments.
pfx="$scratch/signer.pfx"
cases=(
  "an unknown argument|usage: tools/release||--publish"
  "--sign without a file|usage: tools/release||--sign"
  "a certificate file that is not there|cannot read the certificate file||--sign $scratch/missing.pfx"
  "no SIGN_PASSWORD|set SIGN_PASSWORD|-u SIGN_PASSWORD|--sign $pfx"
  "a wrong password|cannot open .* with the password in SIGN_PASSWORD|SIGN_PASSWORD=wrong|--sign $pfx"
  "a file that is not PKCS#12|cannot open .* with the password in SIGN_PASSWORD||--sign $scratch/not-a-pfx.pfx"
  "a timestamp server that does not answer|signing failed|SIGN_TIMESTAMP_URL=http://127.0.0.1:9/|--sign $pfx"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r what message environment arguments <<<"$entry"
  echo "== failure: $what"
  status=0
  # shellcheck disable=SC2086  # the environment and the arguments are lists of words
  env $environment "$top/tools/release" --no-tests --out "$out" $arguments >"$scratch/fail.log" 2>&1 ||
    status=$?
  grep -v '^\[' "$scratch/fail.log" | tail -n 4 || true
  check "$what: exits non-zero" test $status -ne 0
  check "$what: says why" grep -qE "$message" "$scratch/fail.log"
  check "$what: the release is as it was" cmp -s "$scratch/listing-before.txt" <(listing)
  check "$what: nothing left beside it" cmp -s "$scratch/siblings-before.txt" <(siblings)
  check "$what: no build folder left behind" cmp -s "$scratch/work-before.txt" <(work_folders)
done

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
