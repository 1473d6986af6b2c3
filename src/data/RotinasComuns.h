#pragma once
// Stateless checks shared by the register forms: the check digits of CPF,
// CNPJ and CNH numbers, the syntax of e-mail addresses and whether a CEP
// belongs to a state. The password unscrambling of the settings file is
// shared from CifraSenha.h.

#include "data/CifraSenha.h"

#include <QString>

// Check digits are computed from each character's code minus the code of
// "0": a non-digit is not rejected but counted with that value.

// The two check digits of a CPF base of 9 digits.
QString DigitosCPF(const QString &base);
// The two check digits of a CNPJ base of 12 digits.
QString DigitosCNPJ(const QString &base);

// Characters 10 and 11 against the digits of characters 1 to 9. The length is
// not checked; a shorter text compares unequal.
bool ValidaCPF(const QString &numero);
// Characters 13 and 14 against the digits of characters 1 to 12.
bool ValidaCNPJ(const QString &numero);

// A driving-licence number of up to 11 digits (one leading "0" is dropped).
// Fewer than eight digits or any non-digit is invalid.
bool ValidaCNH(const QString &numero);

// The syntax of an e-mail address: a local part of words or quoted strings,
// "@", and a domain of at least two labels that start with a letter.
bool ValidaEmail(const QString &endereco);

// Whether an 8-digit CEP lies in the ranges of the state `uf` (upper case).
// A blank CEP is accepted. A CEP not above 01000-000, or one with other
// characters than digits, shows "CEP tem que ser maior que [01000-000]" and
// is invalid.
bool ValidaCEP(const QString &cep, const QString &uf);
