"""tools/sign.sh signs the wizard from a PKCS#12 file named, with its
password, by the environment; osslsigncode verifies the signature, and
removing it gives back the unsigned wizard byte for byte; under Wine the
signed wizard still starts, and the payload and the library it carries read
back byte-identical to the files that were bound.

Runs inside tools/wine-run.sh --host:
  test_signing.py <sign.sh> <wizard> <ResourceDump.exe> <payload archive> <7z.dll>
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import wizard_driver  # noqa: E402

SIGN, WIZARD, RESOURCE_DUMP, PAYLOAD, LIBRARY = sys.argv[1:6]
del sys.argv[1:6]

# Shell-sensitive characters prove that the password reaches osslsigncode intact.
PASSWORD = "pa$$ w0rd'\"`;"
CLOSE_GLYPH = (578, 10)


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, **kwargs)


def read(path):
    with open(path, "rb") as f:
        return f.read()


class SignedWizard(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="larkview-signing-")
        cls.certificate = os.path.join(cls.folder, "signer.pem")
        cls.pkcs12 = os.path.join(cls.folder, "signer.p12")
        key = os.path.join(cls.folder, "signer.key")
        for command in (
            ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
             "/CN=Throwaway code signer", "-addext", "keyUsage=critical,digitalSignature",
             "-addext", "extendedKeyUsage=codeSigning", "-keyout", key, "-out", cls.certificate],
            ["openssl", "pkcs12", "-export", "-inkey", key, "-in", cls.certificate, "-out", cls.pkcs12,
             "-passout", "env:LARKVIEW_TEST_PASSWORD"],
        ):
            result = run(*command, env={**os.environ, "LARKVIEW_TEST_PASSWORD": PASSWORD})
            if result.returncode != 0:
                raise RuntimeError(f"{command[:2]} failed: {result.stderr}")
        cls.signed = os.path.join(cls.folder, "LarkviewSetup.exe")
        shutil.copyfile(WIZARD, cls.signed)
        result = cls.sign(cls.signed, PASSWORD)
        if result.returncode != 0:
            raise RuntimeError(f"sign.sh failed: {result.stdout}{result.stderr}")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    @classmethod
    def sign(cls, program, password):
        environment = {**os.environ, "LARKVIEW_SIGN_PKCS12": cls.pkcs12, "LARKVIEW_SIGN_PASSWORD": password}
        return run(SIGN, program, env=environment)

    def verify(self, program):
        return run("osslsigncode", "verify", "-CAfile", self.certificate, "-in", program)

    def test_signature_verifies_and_the_unsigned_wizard_has_none(self):
        result = self.verify(self.signed)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("Signature verification: ok", result.stdout)
        self.assertIn("Throwaway code signer", result.stdout)
        self.assertNotEqual(self.verify(WIZARD).returncode, 0)

    def test_removing_the_signature_gives_back_the_unsigned_wizard(self):
        # What lets anyone compare a signed download with their own build.
        unsigned = os.path.join(self.folder, "unsigned.exe")
        result = run("osslsigncode", "remove-signature", "-in", self.signed, "-out", unsigned)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertNotEqual(read(self.signed), read(WIZARD))
        self.assertEqual(read(unsigned), read(WIZARD))

    def test_a_wrong_password_fails_and_leaves_the_program_alone(self):
        copy = os.path.join(self.folder, "wrong-password.exe")
        shutil.copyfile(WIZARD, copy)
        self.assertNotEqual(self.sign(copy, "not the password").returncode, 0)
        self.assertEqual(read(copy), read(WIZARD))

    def test_payload_and_library_read_back_byte_identical(self):
        for name, bound in (("F1", PAYLOAD), ("F7Z", LIBRARY)):
            with self.subTest(resource=name):
                out = os.path.join(self.folder, name + ".bin")
                result = run("wine", RESOURCE_DUMP, self.signed, name, out)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(read(out), read(bound))

    def test_signed_wizard_starts_and_closes(self):
        wizard = wizard_driver.Wizard(self.signed)
        self.addCleanup(wizard.kill)
        windows = wizard.wait_for_windows()
        self.assertEqual(len(windows), 1, "exactly one visible page")
        wizard_driver.screenshot("signed_wizard")
        windows[0].click(*CLOSE_GLYPH)
        self.assertEqual(wizard.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
